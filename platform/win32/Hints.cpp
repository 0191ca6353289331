#include "Hints.h"

#include "Form.h"

HintWindow::HintWindow(HWND form) : form_(form) {
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(ShowAfterMs, 0));
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(HideAfterMs, 0));
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(NextShowAfterMs, 0));
}

HintWindow::~HintWindow() {
  if (IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void HintWindow::Add(NativeWindow* control, const std::string& text) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form_;
  tool.uId = reinterpret_cast<UINT_PTR>(Hwnd(control));
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
