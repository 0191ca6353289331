#pragma once
// Base of the window controls: a control holds its system window and
// forwards to it. Nothing here names a system type.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class NativeWindow;  // the system's window, opaque to the program
class TForm;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A window message as the system delivers it.
struct TMessage {
  unsigned Msg;
  uintptr_t WParam;
  intptr_t LParam;
  intptr_t Result;
};

struct TFont {
  std::string Name;
  int Height = -12;  // negative: the characters' height in pixels
  bool Bold = false;
  bool Underline = false;
};

struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

enum class TAlign { None, Top, Client };

// What every control is created with.
struct TControlDescription {
  std::string Name;
  TBounds Bounds;
  TAlign Align = TAlign::None;
  std::string Hint;
  bool ShowHint = false;
  const TFont* Font = nullptr;  // none: the parent's
};

class TWinControl : public TObject {
 public:
  TWinControl(const TWinControl&) = delete;
  TWinControl& operator=(const TWinControl&) = delete;
  ~TWinControl() override;

  NativeWindow* Handle() const { return handle_; }
  TWinControl* Parent() const { return parent_; }
  const std::string& Name() const { return description_.Name; }
  const TFont& Font() const;
  TBounds BoundsRect() const;
  void SetFocus();
  bool Focused() const;

  // The window procedure's entry; answers what the control handles.
  virtual bool WindowProc(TMessage& message);

 protected:
  TWinControl(TWinControl* parent, const TControlDescription& description);
  // Creates the control's window of the given class and style.
  void CreateHandle(const char* className, const std::string& text, unsigned long style, unsigned long exStyle);
  void AdoptHandle(NativeWindow* handle);
  void SetOwnFont(const TFont* font) { description_.Font = font; }
  // Places the children that align to the top or fill the rest.
  void AlignChildren();
  const TControlDescription& Description() const { return description_; }
  TForm* ParentForm();

 private:
  friend class WindowGlue;
  TWinControl* parent_;
  TControlDescription description_;
  NativeWindow* handle_ = nullptr;
  std::vector<TWinControl*> children_;
};
