#pragma once
#include <string>

#include "Win32.h"

// The system's tooltip, one per form, with the platform's hint timings.
class HintWindow {
 public:
  static constexpr int ShowAfterMs = 500;
  static constexpr int HideAfterMs = 2500;
  static constexpr int NextShowAfterMs = 50;

  explicit HintWindow(HWND form);
  ~HintWindow();
  void Add(NativeWindow* control, const std::string& text);

 private:
  HWND form_;
  HWND tooltip_;
};
