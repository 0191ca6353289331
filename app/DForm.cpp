#include "DForm.h"

#include "AppTexts.h"
#include "export/SaveDialogSettings.h"

TDForm* DForm = nullptr;

namespace {

const TFont FormFont{AppTexts::FontFace, -12, false, false};
const TFont CaseButtonFont{AppTexts::FontFace, -16, true, true};
const TFont CheckBoxFont{AppTexts::FontFace, -11, false, false};
const TFont TextAreaFont{AppTexts::FontFace, -15, false, false};

TFormDescription FormDescription() {
  TFormDescription form;
  form.ClassName = "TDForm";
  form.Caption = AppTexts::FormCaption;
  form.Width = 410;
  form.Height = 285;
  form.Font = FormFont;
  return form;
}

TControlDescription Control(const char* name, TBounds bounds, const char* hint = "", const TFont* font = nullptr) {
  TControlDescription control;
  control.Name = name;
  control.Bounds = bounds;
  control.Hint = hint;
  control.ShowHint = hint[0] != '\0';
  control.Font = font;
  return control;
}

TSpeedButtonDescription GlyphButton(const char* name, TBounds bounds, const char* hint, const char* glyph) {
  return TSpeedButtonDescription{Control(name, bounds, hint), glyph, ""};
}

TSpeedButtonDescription CaptionButton(const char* name, TBounds bounds, const char* hint, const char* caption) {
  return TSpeedButtonDescription{Control(name, bounds, hint, &CaseButtonFont), "", caption};
}

}  // namespace

TDForm::TDForm() : TForm(FormDescription()) {
  BuildControls();
  WireEvents();
}

// Creation order is tab order: the toolbar first, left to right, then the text area.
void TDForm::BuildControls() {
  TControlDescription panel = Control("Panel1", {0, 0, 402, 31});
  panel.Align = TAlign::Top;
  Panel1 = Own<TPanel>(this, panel);
  NewBtn = Own<TSpeedButton>(Panel1, GlyphButton("NewBtn", {6, 4, 25, 25}, AppTexts::NewBtnHint, "NEWBTN"));
  saveBtn = Own<TSpeedButton>(Panel1, GlyphButton("saveBtn", {34, 4, 25, 25}, AppTexts::SaveBtnHint, "SAVEBTN"));
  copytxt = Own<TSpeedButton>(Panel1, GlyphButton("copytxt", {65, 4, 25, 25}, AppTexts::CopyTxtHint, "COPYTXT"));
  mojiAA = Own<TSpeedButton>(Panel1, CaptionButton("mojiAA", {97, 4, 25, 25}, AppTexts::MojiAAHint, "A"));
  mojiA = Own<TSpeedButton>(Panel1, CaptionButton("mojiA", {124, 4, 25, 25}, AppTexts::MojiAHint, "a"));
  ExpBtn = Own<TSpeedButton>(Panel1, GlyphButton("ExpBtn", {155, 4, 25, 25}, AppTexts::ExpBtnHint, "EXPBTN"));
  CBox1 = Own<TCheckBox>(Panel1, TCheckBoxDescription{Control("CBox1", {185, 8, 171, 17}, "", &CheckBoxFont),
                                                      AppTexts::CBox1Caption});
  endB = Own<TSpeedButton>(Panel1, GlyphButton("endB", {360, 4, 40, 25}, AppTexts::EndBHint, "ENDB"));
  TControlDescription text = Control("REdit", {0, 31, 402, 227}, AppTexts::REditHint, &TextAreaFont);
  text.Align = TAlign::Client;
  REdit = Own<TRichEdit>(this, text);
  SaveDig = Own<TSaveDialog>(SaveDigSettings());
}

// Every event of the window and its controls, and the handler it runs.
void TDForm::WireEvents() {
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnShow = [this](TObject* sender) { FormShow(sender); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
  HandleMessage(Messages::DropFiles, [this](TMessage& message) { WMDropFiles(message); });
  NewBtn->OnClick = [this](TObject* sender) { NewBtnClick(sender); };
  saveBtn->OnClick = [this](TObject* sender) { saveBtnClick(sender); };
  copytxt->OnClick = [this](TObject* sender) { copytxtClick(sender); };
  mojiAA->OnClick = [this](TObject* sender) { mojiAAClick(sender); };
  mojiA->OnClick = [this](TObject* sender) { mojiAClick(sender); };
  ExpBtn->OnClick = [this](TObject* sender) { ExpBtnClick(sender); };
  endB->OnClick = [this](TObject* sender) { endBClick(sender); };
}
