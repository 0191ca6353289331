#pragma once
#include <string>

#include "Controls.h"

struct TSpeedButtonDescription {
  TControlDescription Control;
  // A bitmap resource two 16x16 images wide, or empty for a caption.
  std::string Glyph;
  std::string Caption;
};

// A raised button that never takes the focus. Its click fires when the
// mouse button is released over it after being pressed on it.
class TSpeedButton : public TWinControl {
 public:
  TSpeedButton(TWinControl* parent, const TSpeedButtonDescription& description);
  ~TSpeedButton() override;
  TNotifyEvent OnClick;
  bool WindowProc(TMessage& message) override;

 private:
  struct Look;
  std::unique_ptr<Look> look_;
  bool pressed_ = false;     // mouse button went down on it
  bool pressedIn_ = false;   // and the pointer is over it now
};
