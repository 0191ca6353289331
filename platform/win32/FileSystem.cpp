#include <string>

#include "SysUtils.h"
#include "Win32.h"
#include "core/CaseMapping.h"

std::string AnsiUpperCase(const std::string& text) {
  return MapWholeCharacters(text, [](char* bytes, size_t length) { CharUpperBuffA(bytes, static_cast<DWORD>(length)); });
}

std::string AnsiLowerCase(const std::string& text) {
  return MapWholeCharacters(text, [](char* bytes, size_t length) { CharLowerBuffA(bytes, static_cast<DWORD>(length)); });
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

namespace {

// The item's own name as its folder lists it; false when it cannot be read.
bool ListedName(const std::string& path, std::string* name) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  *name = found.cFileName;
  return true;
}

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
  // makes it fail, and then nothing more is tried.
  if (!MoveFileA(oldName.c_str(), newName.c_str())) return false;
  std::string listed;
  std::string wanted = ExtractFileName(newName);
  if (wanted.empty() || !ListedName(newName, &listed) || listed == wanted) return true;
  // The file system matched the new name to the item without regard to case
  // and kept the old one: old, then a temporary name, then the new.
  std::string current = ExtractFilePath(newName) + listed;
  std::string temporary = MoveToTemporaryName(current);
  if (temporary.empty()) return false;
  if (MoveFileA(temporary.c_str(), newName.c_str())) return true;
  MoveFileA(temporary.c_str(), current.c_str());
  return false;
}
