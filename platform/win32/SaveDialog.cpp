#include <algorithm>
#include <cstring>
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

const char BaseProcedureProperty[] = "Tamberlo.SaveDialogProcedure";
constexpr int FileNameCombo = 0x47C;  // the name field of the system's dialog
constexpr int FileNameEdit = 0x480;   // the same in older dialogs

std::string FieldText(HWND dialog, int id) {
  HWND field = GetDlgItem(dialog, id);
  if (field == nullptr) return std::string();
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
  return text.data();
}

// The path a confirmation would choose: the typed name, in the dialog's
// current folder unless it names a drive or a share itself.
size_t ChosenPathLength(HWND dialog) {
  std::string name = FieldText(dialog, FileNameCombo);
  if (name.empty()) name = FieldText(dialog, FileNameEdit);
  bool absolute = (name.size() > 1 && name[1] == ':') || (!name.empty() && name[0] == '\\');
  if (absolute) return name.size();
  std::vector<char> folder(32768, '\0');
  SendMessageA(dialog, CDM_GETFOLDERPATH, folder.size(), reinterpret_cast<LPARAM>(folder.data()));
  return std::strlen(folder.data()) + 1 + name.size();
}

// Stands before the dialog's own handling of a confirmation: a path that
// does not fit the name buffer ends the dialog as cancelled, before the
// system's dialog itself overflows on it (seen under Wine).
LRESULT CALLBACK GuardConfirmation(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto base = reinterpret_cast<WNDPROC>(GetPropA(dialog, BaseProcedureProperty));
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK && ChosenPathLength(dialog) >= TSaveDialog::NameBufferSize) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    RemovePropA(dialog, BaseProcedureProperty);
  }
  return CallWindowProcA(base, dialog, message, wParam, lParam);
}

// Once the dialog is set up: centred across, a third of the free height down.
UINT_PTR CALLBACK PlaceDialog(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
    HWND dialog = GetParent(hook);
    LONG_PTR base = SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GuardConfirmation));
    SetPropA(dialog, BaseProcedureProperty, reinterpret_cast<HANDLE>(base));
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
  // Room for any path the system may give; one that does not fit the name
  // buffer counts as a cancelled dialog.
  constexpr size_t SystemRoom = 32768;
  std::vector<char> name(SystemRoom, '\0');
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
  ofn.nMaxFile = static_cast<DWORD>(SystemRoom);
  ofn.lpstrInitialDir = settings_.InitialDir.empty() ? nullptr : settings_.InitialDir.c_str();
  ofn.lpstrTitle = settings_.Title.empty() ? nullptr : settings_.Title.c_str();
  ofn.lpstrDefExt = settings_.DefaultExt.empty() ? nullptr : settings_.DefaultExt.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  if (settings_.Options & ofHideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
  if (settings_.Options & ofOverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  ofn.lpfnHook = PlaceDialog;
  // A name too long for the buffer, or any failure, counts as cancelled.
  if (!GetSaveFileNameA(&ofn)) return false;
  if (std::strlen(name.data()) >= NameBufferSize) return false;
  settings_.FileName = name.data();
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  return true;
}
