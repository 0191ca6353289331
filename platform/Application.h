#pragma once
// The application object: title, icon, the main form, the message loop and
// the one firewall through which every handler runs.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Form.h"

class TApplication : public TObject {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Creates a form; the first one becomes the main form. A form that cannot
  // be made is reported in the error box.
  template <class T>
  void CreateForm(T*& form) {
    form = nullptr;
    Guard([&form]() { form = new T(); });
    if (form != nullptr) AdoptForm(std::unique_ptr<TForm>(form));
  }
  TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

  // Shows the main form as the program was started, then takes and
  // dispatches messages until told to end. Returns the exit status: 0, or
  // 1 when there is no main form to run.
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Restores the program after a minimised start or a minimise.
  void Restore();
  void Minimize();

  // Runs a handler. An error that escapes it ends it and is shown in the
  // error box; the program goes on. After the program began to end,
  // handlers no longer run.
  void Guard(const std::function<void()>& handler);
  void ShowException(const std::string& message);
  // Work a control leaves until the running handler has ended, done once
  // however often it was asked for. False when no handler is running.
  bool DeferUntilHandlerEnds(const void* key, const std::function<void()>& work);

  NativeWindow* Handle() const { return handle_; }
  bool WindowProc(TMessage& message);

 private:
  void AdoptForm(std::unique_ptr<TForm> form);
  void CreateHandle();

  std::string title_;
  std::vector<std::unique_ptr<TForm>> forms_;
  NativeWindow* handle_ = nullptr;
  bool terminated_ = false;
  bool mainFormPending_ = false;  // minimised start: not shown yet
  int handlerDepth_ = 0;
  std::vector<std::pair<const void*, std::function<void()>>> deferred_;
};

extern TApplication* Application;
