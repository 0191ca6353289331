#include "PathList.h"
#include "Shell.h"
#include "SysUtils.h"
#include "app/DForm.h"

// Each item's full path goes to PathList; its line, the bare name or the
// full path as the option stands now, to the shown list.
void TDForm::WMDropFiles(TMessage& Msg) {
  TDroppedFiles drop(Msg);
  for (const std::string& path : drop) {
    PathList->Add(path);
    REdit->Lines()->Add(CBox1->Checked() ? path : ExtractFileName(path));
  }
  drop.Finish();
}
