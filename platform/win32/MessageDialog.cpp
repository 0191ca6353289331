#include <algorithm>
#include <string>
#include <vector>

#include "Application.h"
#include "Dialogs.h"
#include "Win32.h"
#include "core/PlatformTexts.h"

namespace {

const char MessageFormClass[] = "TMessageForm";
constexpr int Margin = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;
constexpr int IconSize = 32;

struct ButtonKind {
  TMsgDlgButtons flag;
  const char* text;
  int result;
};

// Left to right in this order.
const ButtonKind Buttons[] = {
    {mbYes, PlatformTexts::YesButton, mrYes},
    {mbNo, PlatformTexts::NoButton, mrNo},
    {mbOK, PlatformTexts::OkButton, mrOk},
    {mbCancel, PlatformTexts::CancelButton, mrCancel},
};

struct Dialog {
  HWND window = nullptr;
  std::vector<HWND> buttons;
  int defaultResult = mrOk;
  int escapeResult = mrOk;
  int result = 0;
  HFONT font = nullptr;
};

LRESULT CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_COMMAND:
      if (dialog != nullptr && HIWORD(wParam) == BN_CLICKED) {
        int id = LOWORD(wParam);
        // Esc arrives as the cancel command whatever the buttons are.
        bool fromButton = lParam != 0 && GetDlgItem(window, id) == reinterpret_cast<HWND>(lParam);
        dialog->result = fromButton ? id : (id == IDCANCEL ? dialog->escapeResult : dialog->defaultResult);
      }
      return 0;
    case DM_GETDEFID:
      if (dialog != nullptr) {
        // Enter presses the focused button, else the default one.
        HWND focus = GetFocus();
        int id = dialog->defaultResult;
        for (HWND button : dialog->buttons)
          if (button == focus) id = GetDlgCtrlID(button);
        return MAKELRESULT(id, DC_HASDEFID);
      }
      return 0;
    case WM_CLOSE:
      if (dialog != nullptr) dialog->result = mrCancel;
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HFONT MessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectA(&metrics.lfMessageFont);
}

SIZE TextSize(HFONT font, const std::string& text, int maxWidth) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, maxWidth, 0};
  DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return SIZE{r.right, r.bottom};
}

// The windows of the thread that take input now; the box disables them
// while it is open.
std::vector<HWND> EnabledThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpContext*/) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(GetModuleHandleA(nullptr), MessageFormClass, &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DialogProcedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = MessageFormClass;
    RegisterClassExA(&wc);
  }

  const char* caption = type == TMsgDlgType::Warning        ? PlatformTexts::WarningCaption
                        : type == TMsgDlgType::Confirmation ? PlatformTexts::ConfirmationCaption
                                                            : Application->Title().c_str();
  LPCSTR iconName = type == TMsgDlgType::Warning        ? IDI_EXCLAMATION
                    : type == TMsgDlgType::Confirmation ? IDI_QUESTION
                                                        : nullptr;

  Dialog dialog;
  dialog.font = MessageFont();
  std::vector<const ButtonKind*> shown;
  for (const ButtonKind& kind : Buttons)
    if (buttons & kind.flag) shown.push_back(&kind);
  if (shown.empty()) shown.push_back(&Buttons[2]);
  auto has = [&](TMsgDlgButtons flag) { return (buttons & flag) != 0; };
  dialog.defaultResult = has(mbOK) ? mrOk : has(mbYes) ? mrYes : shown.front()->result;
  dialog.escapeResult = has(mbCancel) ? mrCancel : has(mbNo) ? mrNo : has(mbOK) ? mrOk : dialog.defaultResult;

  // Layout: icon and text above, the row of buttons centred below.
  SIZE screen = ScreenSize();
  int textLeft = Margin + (iconName != nullptr ? IconSize + Margin : 0);
  SIZE text = TextSize(dialog.font, message, static_cast<int>(screen.cx) / 2);
  int textHeight = std::max<int>(static_cast<int>(text.cy), iconName != nullptr ? IconSize : 0);
  int rowWidth = static_cast<int>(shown.size()) * ButtonWidth + (static_cast<int>(shown.size()) - 1) * ButtonGap;
  int clientWidth = std::max(textLeft + static_cast<int>(text.cx) + Margin, rowWidth + 2 * Margin);
  int buttonTop = Margin + textHeight + Margin;
  int clientHeight = buttonTop + ButtonHeight + Margin;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  int width = outer.right - outer.left;
  int height = outer.bottom - outer.top;

  HWND active = GetActiveWindow();
  HWND owner = active != nullptr ? active
               : Application->MainForm() != nullptr ? Hwnd(Application->MainForm()->Handle())
                                                    : nullptr;
  dialog.window = CreateWindowExA(exStyle, MessageFormClass, caption, style, (screen.cx - width) / 2,
                                  (screen.cy - height) / 2, width, height, owner, nullptr,
                                  GetModuleHandleA(nullptr), &dialog);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (iconName != nullptr) {
    HWND icon = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, Margin, Margin, IconSize,
                                IconSize, dialog.window, nullptr, instance, nullptr);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, iconName)), 0);
  }
  int textTop = Margin + (textHeight - static_cast<int>(text.cy)) / 2;
  HWND label = CreateWindowExA(0, "STATIC", message.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textLeft,
                               textTop, text.cx, text.cy, dialog.window, nullptr, instance, nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font), FALSE);
  int left = (clientWidth - rowWidth) / 2;
  HWND focus = nullptr;
  for (const ButtonKind* kind : shown) {
    bool isDefault = kind->result == dialog.defaultResult;
    HWND button = CreateWindowExA(0, "BUTTON", kind->text,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                  left, buttonTop, ButtonWidth, ButtonHeight, dialog.window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kind->result)), instance, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font), FALSE);
    dialog.buttons.push_back(button);
    if (isDefault) focus = button;
    left += ButtonWidth + ButtonGap;
  }

  // Modal: the program's other windows take no input until it closes.
  std::vector<HWND> disabled = EnabledThreadWindows();
  for (HWND window : disabled)
    if (window != dialog.window) EnableWindow(window, FALSE);
  ShowWindow(dialog.window, SW_SHOWNORMAL);
  SetForegroundWindow(dialog.window);
  SetFocus(focus);

  MSG msg;
  bool quit = false;
  int exitCode = 0;
  while (dialog.result == 0) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      quit = true;
      exitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (IsDialogMessageA(dialog.window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }

  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  DestroyWindow(dialog.window);
  DeleteObject(dialog.font);
  if (quit) PostQuitMessage(exitCode);
  return dialog.result != 0 ? dialog.result : mrCancel;
}

void ShowMessage(const std::string& message) { MessageDlg(message, TMsgDlgType::Custom, mbOK, 0); }
