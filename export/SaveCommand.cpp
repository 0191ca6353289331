#include "Dialogs.h"
#include "SysUtils.h"
#include "app/AppTexts.h"
#include "app/DForm.h"

void TDForm::saveBtnClick(TObject* /*Sender*/) {
  if (!SaveDig->Execute()) return;
  const std::string fileName = SaveDig->FileName();
  if (FileExists(fileName) &&
      MessageDlg(AppTexts::OverwriteWarning, TMsgDlgType::Warning, mbOK | mbCancel, 0) != mrOk)
    return;
  REdit->Lines()->SaveToFile(fileName);
}
