#pragma once
// The main window: its controls, and every handler of the program.
#include "Application.h"
#include "CheckBox.h"
#include "Form.h"
#include "Panel.h"
#include "RichEdit.h"
#include "SaveDialog.h"
#include "SpeedButton.h"

class TDForm : public TForm {
 public:
  TDForm();

  TPanel* Panel1;
  TRichEdit* REdit;
  TSaveDialog* SaveDig;
  TSpeedButton* saveBtn;
  TCheckBox* CBox1;
  TSpeedButton* NewBtn;
  TSpeedButton* ExpBtn;
  TSpeedButton* copytxt;
  TSpeedButton* mojiAA;
  TSpeedButton* mojiA;
  TSpeedButton* endB;

  void FormShow(TObject* Sender);
  void saveBtnClick(TObject* Sender);
  void NewBtnClick(TObject* Sender);
  void ExpBtnClick(TObject* Sender);
  void copytxtClick(TObject* Sender);
  void mojiAAClick(TObject* Sender);
  void mojiAClick(TObject* Sender);
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void endBClick(TObject* Sender);

  void WMDropFiles(TMessage& Msg);

 private:
  void BuildControls();
  void WireEvents();
};

extern TDForm* DForm;
