#include "AppTexts.h"
#include "DForm.h"
#include "Shell.h"

void TDForm::ExpBtnClick(TObject* /*Sender*/) { StartProgram(AppTexts::FileManagerCommand); }
