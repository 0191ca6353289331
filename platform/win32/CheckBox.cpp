#include "CheckBox.h"

#include "Win32.h"

TCheckBox::TCheckBox(TWinControl* parent, const TCheckBoxDescription& description)
    : TWinControl(parent, description.Control) {
  CreateHandle("BUTTON", description.Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
}

bool TCheckBox::Checked() const { return SendMessageA(Hwnd(Handle()), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) {
  SendMessageA(Hwnd(Handle()), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
