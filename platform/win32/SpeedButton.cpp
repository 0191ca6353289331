#include "SpeedButton.h"

#include "Application.h"
#include "Fonts.h"
#include "Win32.h"

namespace {
const char SpeedButtonClass[] = "TSpeedButton";
constexpr int GlyphSize = 16;
}  // namespace

struct TSpeedButton::Look {
  HBITMAP glyph = nullptr;
  COLORREF transparent = 0;
  std::string caption;
  ~Look() {
    if (glyph != nullptr) DeleteObject(glyph);
  }
};

TSpeedButton::TSpeedButton(TWinControl* parent, const TSpeedButtonDescription& description)
    : TWinControl(parent, description.Control), look_(std::make_unique<Look>()) {
  look_->caption = description.Caption;
  if (!description.Glyph.empty()) {
    look_->glyph = static_cast<HBITMAP>(
        LoadImageA(WindowGlue::Instance(), description.Glyph.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (look_->glyph != nullptr) {
      // The bottom-left pixel's colour shows the button face through.
      BITMAP bm{};
      GetObjectA(look_->glyph, sizeof bm, &bm);
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, look_->glyph);
      look_->transparent = GetPixel(dc, 0, bm.bmHeight - 1);
      SelectObject(dc, old);
      DeleteDC(dc);
    }
  }
  WindowGlue::RegisterWindowClass(SpeedButtonClass, 0, IDC_ARROW, COLOR_BTNFACE);
  CreateHandle(SpeedButtonClass, description.Caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0);
}

TSpeedButton::~TSpeedButton() = default;

bool TSpeedButton::WindowProc(TMessage& message) {
  HWND window = Hwnd(Handle());
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT r;
      GetClientRect(window, &r);
      bool down = pressed_ && pressedIn_;
      DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
      int shift = down ? 1 : 0;
      if (look_->glyph != nullptr) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, look_->glyph);
        TransparentBlt(dc, (r.right - GlyphSize) / 2 + shift, (r.bottom - GlyphSize) / 2 + shift, GlyphSize, GlyphSize,
                       source, 0, 0, GlyphSize, GlyphSize, look_->transparent);
        SelectObject(source, old);
        DeleteDC(source);
      } else {
        HGDIOBJ old = SelectObject(dc, FontHandle(Font()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        OffsetRect(&r, shift, shift);
        DrawTextA(dc, look_->caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
      }
      EndPaint(window, &ps);
      return true;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = pressedIn_ = true;
      SetCapture(window);
      InvalidateRect(window, nullptr, FALSE);
      return true;
    case WM_MOUSEMOVE:
      if (pressed_) {
        POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
        RECT r;
        GetClientRect(window, &r);
        bool in = PtInRect(&r, p) != FALSE;
        if (in != pressedIn_) {
          pressedIn_ = in;
          InvalidateRect(window, nullptr, FALSE);
        }
      }
      return true;
    case WM_LBUTTONUP: {
      if (!pressed_) return true;
      bool click = pressedIn_;
      pressed_ = pressedIn_ = false;
      ReleaseCapture();
      InvalidateRect(window, nullptr, FALSE);
      UpdateWindow(window);
      if (click) Application->Guard([&]() {
          if (OnClick) OnClick(this);
        });
      return true;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = pressedIn_ = false;
        InvalidateRect(window, nullptr, FALSE);
      }
      return true;
    case WM_MOUSEACTIVATE:
      message.Result = MA_ACTIVATE;  // activates the form, never takes the focus
      return true;
    default:
      return TWinControl::WindowProc(message);
  }
}
