#include <string>
#include <utility>
#include <vector>

#include "FolderNames.h"
#include "SysUtils.h"
#include "Win32.h"
#include "core/CaseMapping.h"

std::string AnsiUpperCase(std::string text) {
  return MapWholeCharacters(std::move(text), [](char* bytes, size_t length) { CharUpperBuffA(bytes, static_cast<DWORD>(length)); });
}

std::string AnsiLowerCase(std::string text) {
  return MapWholeCharacters(std::move(text), [](char* bytes, size_t length) { CharLowerBuffA(bytes, static_cast<DWORD>(length)); });
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

namespace {

// Moves an item to a free name in the same folder; empty when none is free.
std::string MoveToTemporaryName(const std::string& path) {
  std::string folder = ExtractFilePath(path);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    std::string temporary =
        folder + "~tamberlo-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".tmp";
    if (MoveFileA(path.c_str(), temporary.c_str())) return temporary;
    DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) break;
  }
  return std::string();
}

}  // namespace

bool RenameFile(const std::string& oldName, const std::string& newName) {
  // MoveFile never replaces an existing item: another item of the new name
  // makes it fail.
  if (AnsiUpperCase(oldName) != AnsiUpperCase(newName)) return MoveFileA(oldName.c_str(), newName.c_str()) != 0;
  // A name that differs in case only is matched to the item itself, and
  // MoveFile would keep the old case. The item goes by a temporary name in
  // its folder, as the folder spells it, and only its own name changes.
  std::string folder = ExtractFilePath(oldName);
  std::string wanted = ExtractFileName(newName);
  if (wanted.empty()) return false;
  std::vector<std::string> names = folder_names::DifferingInCase(folder, wanted);
  // Gone; or two items whose names differ only in case, which a
  // case-sensitive disk allows: neither is touched, as neither could go back.
  if (names.size() != 1) return false;
  std::string current = names.front();
  if (current == wanted) return true;
  std::string temporary = MoveToTemporaryName(folder + current);
  if (temporary.empty()) return false;  // gone, in use, or not to be written
  if (MoveFileA(temporary.c_str(), (folder + wanted).c_str())) {
    folder_names::Renamed(folder, current, wanted);
    return true;
  }
  // The folder changed since it was read: another item took the name.
  MoveFileA(temporary.c_str(), (folder + current).c_str());
  folder_names::Forget(folder);
  return false;
}
