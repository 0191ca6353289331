#pragma once
#include <string>

#include "Controls.h"

struct TCheckBoxDescription {
  TControlDescription Control;
  std::string Caption;
};

// The system's two-state check box: box at the left, caption to its right.
// It keeps its state as the box changes, so reading it costs nothing.
class TCheckBox : public TWinControl {
 public:
  TCheckBox(TWinControl* parent, const TCheckBoxDescription& description);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool WindowProc(TMessage& message) override;

 private:
  bool checked_ = false;
};
