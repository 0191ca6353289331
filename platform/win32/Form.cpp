#include "Form.h"

#include <algorithm>

#include "Application.h"
#include "Hints.h"
#include "Win32.h"
#include "core/Exceptions.h"

namespace {
TControlDescription FormControl(const TFormDescription& description) {
  TControlDescription control;
  control.Name = description.ClassName;
  control.Bounds = TBounds{0, 0, description.Width, description.Height};
  return control;
}
}  // namespace

TForm::TForm(const TFormDescription& description)
    : TWinControl(nullptr, FormControl(description)), formDescription_(description) {
  SetOwnFont(&formDescription_.Font);
  WindowGlue::RegisterWindowClass(description.ClassName.c_str(), CS_DBLCLKS, IDC_ARROW, COLOR_BTNFACE);
  HWND owner = Application->Handle() != nullptr ? Hwnd(Application->Handle()) : nullptr;
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, description.ClassName.c_str(), description.Caption.c_str(),
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                description.Width, description.Height, owner, nullptr, WindowGlue::Instance(), this);
  if (window == nullptr) throw Exception("CreateWindowEx: " + description.ClassName);
  HICON icon = LoadIconA(WindowGlue::Instance(), "MAINICON");
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  hints_ = std::make_unique<HintWindow>(window);
}

TForm::~TForm() {
  // Controls go first, the newest first, then the window.
  while (!owned_.empty()) owned_.pop_back();
  hints_.reset();
}

HintWindow& TForm::Hints() { return *hints_; }

void TForm::HandleMessage(unsigned message, TMessageHandler handler) {
  messageHandlers_.emplace_back(message, std::move(handler));
}

void TForm::Close() {
  if (closed_) return;
  TCloseAction action = TCloseAction::Hide;
  bool ran = true;
  Application->Guard([&]() {
    ran = false;
    if (OnClose) OnClose(this, action);
    ran = true;
  });
  if (!ran || action == TCloseAction::None) return;
  closed_ = true;
  if (this == Application->MainForm())
    Application->Terminate();
  else
    ShowWindow(Hwnd(Handle()), SW_HIDE);
}

void TForm::CenterOnScreen() {
  SIZE screen = ScreenSize();
  int left = std::max(0, (static_cast<int>(screen.cx) - formDescription_.Width) / 2);
  int top = std::max(0, (static_cast<int>(screen.cy) - formDescription_.Height) / 2);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Hwnd(Handle()), &placement);
  placement.rcNormalPosition = RECT{left, top, left + formDescription_.Width, top + formDescription_.Height};
  placement.showCmd = SW_HIDE;
  SetWindowPlacement(Hwnd(Handle()), &placement);
}

void TForm::ShowFirstTime(int showCommand) {
  if (!shown_) {
    shown_ = true;
    Application->Guard([&]() {
      if (OnShow) OnShow(this);
    });
    CenterOnScreen();
  }
  ShowWindow(Hwnd(Handle()), showCommand);
  UpdateWindow(Hwnd(Handle()));
  SetForegroundWindow(Hwnd(Handle()));
}

void TForm::ShowAtStart(int showRequest) { ShowFirstTime(showRequest); }

void TForm::RestoreFocus() {
  HWND form = Hwnd(Handle());
  HWND target = Hwnd(lastFocus_);
  if (target == nullptr || !IsWindow(target) || !IsChild(form, target) || !IsWindowEnabled(target))
    target = GetNextDlgTabItem(form, nullptr, FALSE);
  if (target != nullptr) ::SetFocus(target);
}

bool TForm::WindowProc(TMessage& message) {
  HWND form = Hwnd(Handle());
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return true;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(form, focus)) lastFocus_ = Native(focus);
      } else if (!HIWORD(message.WParam)) {
        RestoreFocus();
      }
      return true;
    case WM_SETFOCUS:
      RestoreFocus();
      return true;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE && this == Application->MainForm()) {
        Application->Minimize();
        return true;
      }
      return false;
    case WM_COMMAND:
    case DM_GETDEFID:
      return true;  // no default button, nothing to do on Enter or Esc
    default:
      break;
  }
  for (auto& [number, handler] : messageHandlers_) {
    if (number != message.Msg) continue;
    if (closed_ || Application->Terminated()) {
      // Too late for the program's handlers; a drop still must be released.
      if (message.Msg == Messages::DropFiles) DragFinish(reinterpret_cast<HDROP>(message.WParam));
      return true;
    }
    Application->Guard([&]() { handler(message); });
    return true;
  }
  return TWinControl::WindowProc(message);
}
