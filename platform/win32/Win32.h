#pragma once
// The one place the system's headers come in.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include "Controls.h"

inline HWND Hwnd(NativeWindow* window) { return reinterpret_cast<HWND>(window); }
inline NativeWindow* Native(HWND window) { return reinterpret_cast<NativeWindow*>(window); }

// Shared by every control of the layer: one window procedure that finds the
// control of a window and lets it answer, under the error firewall.
class WindowGlue {
 public:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Registers a window class of the layer once.
  static void RegisterWindowClass(const char* name, UINT style, LPCSTR cursor, int background);
  static TWinControl* ControlOf(HWND window);
  static HINSTANCE Instance() { return GetModuleHandleA(nullptr); }
  // Puts an existing window of a system class under the layer's procedure.
  static void Subclass(HWND window, TWinControl* control);
  static void SetHandle(TWinControl* control, HWND window) { control->handle_ = Native(window); }
};

// Runs fn; an error that escapes it is shown in the error box.
// Returns false when an error escaped.
bool Firewall(const std::function<void()>& fn);

// Screen size in pixels.
SIZE ScreenSize();
