#include <algorithm>
#include <string>
#include <vector>

#include "Application.h"
#include "SaveDialog.h"
#include "Win32.h"

namespace {

// "description|pattern|..." as the system wants it: parts ended by zeros,
// the whole by two.
std::vector<char> SystemFilter(const std::string& filter) {
  std::vector<char> result(filter.begin(), filter.end());
  std::replace(result.begin(), result.end(), '|', '\0');
  result.push_back('\0');
  result.push_back('\0');
  return result;
}

// Once the dialog is set up: centred across, a third of the free height down.
UINT_PTR CALLBACK PlaceDialog(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
    HWND dialog = GetParent(hook);
    RECT r;
    GetWindowRect(dialog, &r);
    SIZE screen = ScreenSize();
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    SetWindowPos(dialog, nullptr, (screen.cx - width) / 2, (screen.cy - height) / 3, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return 0;
}

}  // namespace

bool TSaveDialog::Execute() {
  std::vector<char> name(NameBufferSize, '\0');
  std::copy_n(settings_.FileName.begin(), std::min<size_t>(settings_.FileName.size(), NameBufferSize - 1),
              name.begin());
  std::vector<char> filter = SystemFilter(settings_.Filter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  HWND active = GetActiveWindow();
  ofn.hwndOwner = active != nullptr ? active
                  : Application->MainForm() != nullptr ? Hwnd(Application->MainForm()->Handle())
                                                       : nullptr;
  ofn.hInstance = GetModuleHandleA(nullptr);
  ofn.lpstrFilter = filter.data();
  ofn.nFilterIndex = static_cast<DWORD>(settings_.FilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = NameBufferSize;
  ofn.lpstrInitialDir = settings_.InitialDir.empty() ? nullptr : settings_.InitialDir.c_str();
  ofn.lpstrTitle = settings_.Title.empty() ? nullptr : settings_.Title.c_str();
  ofn.lpstrDefExt = settings_.DefaultExt.empty() ? nullptr : settings_.DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  if (settings_.Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (settings_.Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  ofn.lpfnHook = PlaceDialog;
  // A name too long for the buffer, or any failure, counts as cancelled.
  if (!GetSaveFileNameA(&ofn)) return false;
  settings_.FileName = name.data();
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  return true;
}
