#pragma once
#include "Controls.h"

// A raised bar that holds other controls; never takes the focus.
class TPanel : public TWinControl {
 public:
  TPanel(TWinControl* parent, const TControlDescription& description);
  bool WindowProc(TMessage& message) override;
};
