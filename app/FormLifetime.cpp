#include "DForm.h"
#include "Shell.h"
#include "filelist/PathList.h"

void TDForm::FormCreate(TObject* /*Sender*/) { PathList = new TStringList(); }

void TDForm::FormShow(TObject* /*Sender*/) { DragAcceptFiles(Handle(), -1); }

void TDForm::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
  delete PathList;
  PathList = nullptr;
}

void TDForm::endBClick(TObject* /*Sender*/) { Close(); }
