#pragma once
#include <string>

#include "Controls.h"

struct TCheckBoxDescription {
  TControlDescription Control;
  std::string Caption;
};

// The system's two-state check box: box at the left, caption to its right.
class TCheckBox : public TWinControl {
 public:
  TCheckBox(TWinControl* parent, const TCheckBoxDescription& description);
  bool Checked() const;
  void SetChecked(bool checked);
};
