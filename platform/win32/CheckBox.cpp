#include "CheckBox.h"

#include "Win32.h"

TCheckBox::TCheckBox(TWinControl* parent, const TCheckBoxDescription& description)
    : TWinControl(parent, description.Control) {
  CreateHandle("BUTTON", description.Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
}

void TCheckBox::SetChecked(bool checked) {
  SendMessageA(Hwnd(Handle()), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::WindowProc(TMessage& message) {
  // Clicks, keys and programs all set the state through this message.
  if (message.Msg == BM_SETCHECK) checked_ = message.WParam == BST_CHECKED;
  return TWinControl::WindowProc(message);
}
