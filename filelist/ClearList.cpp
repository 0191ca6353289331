#include "PathList.h"
#include "app/DForm.h"

void TDForm::NewBtnClick(TObject* /*Sender*/) {
  delete PathList;
  PathList = new TStringList();
  REdit->Lines()->Clear();
}
