#include "Win32.h"

#include <new>

#include "Application.h"
#include "core/PlatformTexts.h"

namespace {
const char BaseProcedureProperty[] = "Tamberlo.BaseProcedure";
}

bool Firewall(const std::function<void()>& fn) {
  try {
    fn();
    return true;
  } catch (const std::bad_alloc&) {
    Application->ShowException(PlatformTexts::OutOfMemory);
  } catch (const std::exception& error) {
    Application->ShowException(error.what());
  } catch (...) {
    Application->ShowException("");
  }
  return false;
}

SIZE ScreenSize() { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void WindowGlue::RegisterWindowClass(const char* name, UINT style, LPCSTR cursor, int background) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(Instance(), name, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursorA(nullptr, cursor);
  wc.hbrBackground = background >= 0 ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1)) : nullptr;
  wc.lpszClassName = name;
  wc.hIcon = LoadIconA(Instance(), "MAINICON");
  RegisterClassExA(&wc);
}

TWinControl* WindowGlue::ControlOf(HWND window) {
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void WindowGlue::Subclass(HWND window, TWinControl* control) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  LONG_PTR base = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  SetPropA(window, BaseProcedureProperty, reinterpret_cast<HANDLE>(base));
  SetHandle(control, window);
}

LRESULT CALLBACK WindowGlue::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* control = static_cast<TWinControl*>(create->lpCreateParams);
    if (control != nullptr) {
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
      SetHandle(control, window);
    }
  }
  auto base = reinterpret_cast<WNDPROC>(GetPropA(window, BaseProcedureProperty));
  auto passOn = [&]() {
    return base != nullptr ? CallWindowProcA(base, window, message, wParam, lParam)
                           : DefWindowProcA(window, message, wParam, lParam);
  };
  TWinControl* control = ControlOf(window);
  if (control == nullptr) return passOn();
  if (message == WM_NCDESTROY) {
    LRESULT result = passOn();
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (base != nullptr) {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
      RemovePropA(window, BaseProcedureProperty);
    }
    SetHandle(control, nullptr);
    return result;
  }
  TMessage msg{message, wParam, lParam, 0};
  bool handled = false;
  Firewall([&]() { handled = control->WindowProc(msg); });
  return handled ? msg.Result : passOn();
}
