#pragma once
// The top-level window of the program: caption, size, its controls, the
// close path and the dispatch of window messages to the form's handlers.
#include <memory>
#include <vector>

#include "Controls.h"

enum class TCloseAction { None, Hide, Free, Minimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TMessageHandler = std::function<void(TMessage& Message)>;

namespace Messages {
constexpr unsigned DropFiles = 0x0233;
}

struct TFormDescription {
  std::string ClassName;
  std::string Caption;
  int Width = 0;  // outer size, pixels
  int Height = 0;
  TFont Font;
};

class HintWindow;

class TForm : public TWinControl {
 public:
  explicit TForm(const TFormDescription& description);
  ~TForm() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;

  // Routes a window message to a handler of the form.
  void HandleMessage(unsigned message, TMessageHandler handler);
  // Asks the window to close, as its close box does.
  void Close();

  // Creates a control that the form owns for its lifetime.
  template <class T, class... Args>
  T* Own(Args&&... args) {
    T* control = new T(std::forward<Args>(args)...);
    owned_.emplace_back(control);
    return control;
  }

  bool WindowProc(TMessage& message) override;
  HintWindow& Hints();

 private:
  friend class TApplication;
  // Start-up: shows the window as the program was asked to start.
  void ShowAtStart(int showRequest);
  void ShowFirstTime(int showCommand);
  void CenterOnScreen();
  void RestoreFocus();

  TFormDescription formDescription_;
  std::vector<std::unique_ptr<TObject>> owned_;
  std::vector<std::pair<unsigned, TMessageHandler>> messageHandlers_;
  std::unique_ptr<HintWindow> hints_;
  bool shown_ = false;
  bool closed_ = false;
  NativeWindow* lastFocus_ = nullptr;
};
