#pragma once
// The read-only text area: a view over lines held in memory that paints
// only the rows in view and wraps lines lazily. Its lines are a TStrings.
#include <memory>

#include "Controls.h"
#include "core/Strings.h"

class TRichEdit : public TWinControl {
 public:
  TRichEdit(TWinControl* parent, const TControlDescription& description);
  ~TRichEdit() override;

  // The shown text's lines. Add raises EOutOfResources when the text does
  // not take the whole line.
  TStrings* Lines();

  void SelectAll();
  void CopyToClipboard();
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  // Collapses or extends the selection from its start, and scrolls the
  // caret into view.
  void SetSelLength(int length);

  bool WindowProc(TMessage& message) override;

 private:
  intptr_t Perform(unsigned message, uintptr_t wParam, intptr_t lParam);
  class Impl;
  class LinesAdapter;
  std::unique_ptr<Impl> impl_;
  std::unique_ptr<LinesAdapter> lines_;
};
