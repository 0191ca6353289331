#include <algorithm>

#include "Application.h"
#include "Fonts.h"
#include "Hints.h"
#include "core/Exceptions.h"
#include "Form.h"
#include "Win32.h"

TWinControl::TWinControl(TWinControl* parent, const TControlDescription& description)
    : parent_(parent), description_(description) {
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

TWinControl::~TWinControl() {
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  if (handle_ != nullptr) DestroyWindow(Hwnd(handle_));
}

const TFont& TWinControl::Font() const {
  if (description_.Font != nullptr || parent_ == nullptr) {
    static const TFont none;
    return description_.Font != nullptr ? *description_.Font : none;
  }
  return parent_->Font();
}

void TWinControl::CreateHandle(const char* className, const std::string& text, unsigned long style,
                               unsigned long exStyle) {
  const TBounds& b = description_.Bounds;
  HWND parent = parent_ != nullptr ? Hwnd(parent_->Handle()) : nullptr;
  HWND window = CreateWindowExA(exStyle, className, text.c_str(), style, b.Left, b.Top, b.Width, b.Height, parent,
                                nullptr, WindowGlue::Instance(), this);
  if (window == nullptr) throw Exception("CreateWindowEx: " + std::string(className));
  // Windows of system classes do not come through the layer's procedure.
  if (WindowGlue::ControlOf(window) != this) WindowGlue::Subclass(window, this);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(Font())), FALSE);
  if (description_.ShowHint && !description_.Hint.empty() && ParentForm() != nullptr)
    ParentForm()->Hints().Add(handle_, description_.Hint);
}

void TWinControl::AdoptHandle(NativeWindow* handle) { handle_ = handle; }

TForm* TWinControl::ParentForm() {
  TWinControl* control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return dynamic_cast<TForm*>(control);
}

TBounds TWinControl::BoundsRect() const {
  RECT r{};
  GetWindowRect(Hwnd(handle_), &r);
  if (parent_ != nullptr) MapWindowPoints(nullptr, Hwnd(parent_->Handle()), reinterpret_cast<POINT*>(&r), 2);
  return TBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TWinControl::SetFocus() { ::SetFocus(Hwnd(handle_)); }

bool TWinControl::Focused() const { return handle_ != nullptr && GetFocus() == Hwnd(handle_); }

void TWinControl::AlignChildren() {
  RECT client{};
  GetClientRect(Hwnd(handle_), &client);
  int top = 0;
  for (TWinControl* child : children_) {
    const TControlDescription& d = child->description_;
    if (d.Align == TAlign::Top) {
      MoveWindow(Hwnd(child->handle_), 0, top, client.right, d.Bounds.Height, TRUE);
      top += d.Bounds.Height;
    }
  }
  for (TWinControl* child : children_)
    if (child->description_.Align == TAlign::Client)
      MoveWindow(Hwnd(child->handle_), 0, top, client.right, std::max<int>(0, client.bottom - top), TRUE);
}

bool TWinControl::WindowProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      AlignChildren();
      return false;
    case WM_GETFONT:
      message.Result = reinterpret_cast<LRESULT>(FontHandle(Font()));
      return true;
    default:
      return false;
  }
}
