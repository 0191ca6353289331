#include <string>

#include "Dialogs.h"
#include "SysUtils.h"
#include "app/AppTexts.h"
#include "app/DForm.h"
#include "filelist/PathList.h"

namespace {

// The two case commands differ only in these.
struct CaseSetting {
  std::string (*Map)(std::string);
  const char* Question;
};

const CaseSetting UpperCase{AnsiUpperCase, AppTexts::UpperCaseQuestion};
const CaseSetting LowerCase{AnsiLowerCase, AppTexts::LowerCaseQuestion};

void ConvertCase(TRichEdit& textArea, const CaseSetting& setting) {
  TStrings& lines = *textArea.Lines();
  const int n = lines.Count();
  if (n == 0) {
    ShowMessage(AppTexts::NothingToConvert);
    return;
  }
  for (int i = 0; i < n; ++i) lines.Put(i, setting.Map(lines.Get(i)));
  // Only a Yes renames: a box closed without an answer is no consent.
  if (MessageDlg(setting.Question, TMsgDlgType::Confirmation, mbYes | mbNo, 0) != mrYes) return;
  for (int i = 0; i < n; ++i) {
    const std::string oldPath = PathList->Get(i);
    const std::string newPath = setting.Map(oldPath);
    PathList->Put(i, newPath);
    RenameFile(oldPath, newPath);  // the outcome is not examined
  }
}

}  // namespace

void TDForm::mojiAAClick(TObject* /*Sender*/) { ConvertCase(*REdit, UpperCase); }

void TDForm::mojiAClick(TObject* /*Sender*/) { ConvertCase(*REdit, LowerCase); }
