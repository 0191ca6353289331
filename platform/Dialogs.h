#pragma once
// The message dialog and the plain message box.
#include <string>

enum class TMsgDlgType { Warning, Confirmation, Custom };

using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYes = 1u << 0;
constexpr TMsgDlgButtons mbNo = 1u << 1;
constexpr TMsgDlgButtons mbOK = 1u << 2;
constexpr TMsgDlgButtons mbCancel = 1u << 3;

constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// A modal box centred on the screen; the program's windows take no input
// while it is open. Returns the result of the button used, or mrCancel when
// closed by its close box or system menu.
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
// The custom type with the one button OK.
void ShowMessage(const std::string& message);
