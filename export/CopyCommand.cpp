#include "app/DForm.h"

void TDForm::copytxtClick(TObject* /*Sender*/) {
  REdit->SelectAll();
  REdit->CopyToClipboard();
  REdit->SetSelStart(0);
  REdit->SetSelLength(0);
}
