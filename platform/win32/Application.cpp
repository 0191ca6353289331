#include "Application.h"


#include "core/ErrorText.h"
#include "core/Mbcs.h"
#include "Win32.h"

TApplication* Application = new TApplication();

namespace {
const char ApplicationClass[] = "TApplication";

void UseSystemLeadBytes() {
  bool lead[256];
  for (int b = 0; b < 256; ++b) lead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
  mbcs::SetLeadBytes(lead);
}
}  // namespace

TApplication::TApplication() {
  UseSystemLeadBytes();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CreateHandle();
}

TApplication::~TApplication() {
  while (!forms_.empty()) forms_.pop_back();
  if (handle_ != nullptr) DestroyWindow(Hwnd(handle_));
}

// A window of no size that stands for the program on the taskbar, with the
// title as its text; the main form is owned by it.
void TApplication::CreateHandle() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (Application != nullptr && Application->Handle() == Native(window)) {
      TMessage msg{message, wParam, lParam, 0};
      bool handled = false;
      Firewall([&]() { handled = Application->WindowProc(msg); });
      if (handled) return msg.Result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  };
  wc.hInstance = WindowGlue::Instance();
  wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
  wc.lpszClassName = ApplicationClass;
  RegisterClassExA(&wc);
  SIZE screen = ScreenSize();
  HWND window = CreateWindowExA(0, ApplicationClass, title_.c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                screen.cx / 2, screen.cy / 2, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  handle_ = Native(window);
}

void TApplication::Initialize() {}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  SetWindowTextA(Hwnd(handle_), title_.c_str());
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  TForm* created = form.get();
  forms_.push_back(std::move(form));
  Guard([&]() {
    if (created->OnCreate) created->OnCreate(created);
  });
}

int TApplication::Run() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  int request = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
  TForm* main = MainForm();
  if (main == nullptr) return 1;
  if (request == SW_SHOWMINNOACTIVE) {
    // Only a minimised taskbar button until the user restores it.
    mainFormPending_ = true;
    ShowWindow(Hwnd(handle_), SW_SHOWMINNOACTIVE);
  } else {
    ShowWindow(Hwnd(handle_), SW_SHOWNOACTIVATE);
    if (main != nullptr) main->ShowAtStart(request == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // The form's own keys: Tab and Shift+Tab between its controls.
    HWND form = main != nullptr ? Hwnd(main->Handle()) : nullptr;
    if (form != nullptr && IsWindow(form) && IsDialogMessageA(form, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // The form and its controls go with the loop; the window with them.
  while (!forms_.empty()) forms_.pop_back();
  return 0;
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::Minimize() {
  TForm* main = MainForm();
  if (main != nullptr) ShowWindow(Hwnd(main->Handle()), SW_HIDE);
  ShowWindow(Hwnd(handle_), SW_MINIMIZE);
}

void TApplication::Restore() {
  ShowWindow(Hwnd(handle_), SW_RESTORE);
  TForm* main = MainForm();
  if (main == nullptr) return;
  if (mainFormPending_) {
    mainFormPending_ = false;
    main->ShowFirstTime(SW_SHOWNORMAL);
  } else {
    HWND form = Hwnd(main->Handle());
    ShowWindow(form, IsZoomed(form) ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(form);
  }
}

bool TApplication::WindowProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SYSCOMMAND:
      switch (message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return true;
        case SC_RESTORE:
          Restore();
          return true;
        case SC_CLOSE:
          if (MainForm() != nullptr) MainForm()->Close();
          return true;
      }
      return false;
    case WM_CLOSE:
      if (MainForm() != nullptr) MainForm()->Close();
      return true;
    case WM_ACTIVATE:
      // Activation of the taskbar window passes on to the main form.
      if (LOWORD(message.WParam) != WA_INACTIVE && !IsIconic(Hwnd(handle_)) && MainForm() != nullptr &&
          IsWindowVisible(Hwnd(MainForm()->Handle())))
        SetActiveWindow(Hwnd(MainForm()->Handle()));
      return true;
    default:
      return false;
  }
}

void TApplication::Guard(const std::function<void()>& handler) {
  if (terminated_) return;
  ++handlerDepth_;
  Firewall(handler);
  if (--handlerDepth_ > 0) return;
  while (!deferred_.empty()) {
    auto work = std::move(deferred_.front().second);
    deferred_.erase(deferred_.begin());
    Firewall(work);
  }
}

bool TApplication::DeferUntilHandlerEnds(const void* key, const std::function<void()>& work) {
  if (handlerDepth_ == 0) return false;
  for (auto& entry : deferred_)
    if (entry.first == key) return true;
  deferred_.emplace_back(key, work);
  return true;
}

void TApplication::ShowException(const std::string& message) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr && MainForm() != nullptr) owner = Hwnd(MainForm()->Handle());
  std::string text = ErrorBoxText(message);
  MessageBoxA(owner, text.c_str(), title_.c_str(), MB_ICONSTOP | MB_OK);
}
