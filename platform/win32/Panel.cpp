#include "Panel.h"

#include "Win32.h"

namespace {
const char PanelClass[] = "TPanel";
}

TPanel::TPanel(TWinControl* parent, const TControlDescription& description) : TWinControl(parent, description) {
  WindowGlue::RegisterWindowClass(PanelClass, 0, IDC_ARROW, COLOR_BTNFACE);
  CreateHandle(PanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
}

bool TPanel::WindowProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(Handle()), &ps);
    RECT r;
    GetClientRect(Hwnd(Handle()), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);  // a raised bevel of one pixel
    EndPaint(Hwnd(Handle()), &ps);
    return true;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return true;
  }
  return TWinControl::WindowProc(message);
}
