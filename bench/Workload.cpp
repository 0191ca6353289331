#include "Workload.h"

#include <shlobj.h>

#include <cstring>

std::vector<std::string> MakePaths(const std::string& root, size_t count) {
  std::vector<std::string> paths;
  paths.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    std::string folder = root + "d" + std::to_string(i / 1000) + "\\";
    std::string name = "file" + std::to_string(i) + "_";
    std::string path = folder + name;
    if (path.size() < 56) path.append(56 - path.size(), 'x');  // 60 bytes with the extension
    path += ".txt";
    paths.push_back(path);
  }
  return paths;
}

void MakeFiles(const std::vector<std::string>& paths) {
  std::string lastFolder;
  for (const std::string& path : paths) {
    std::string folder = path.substr(0, path.find_last_of('\\'));
    if (folder != lastFolder) {
      CreateDirectoryA(folder.c_str(), nullptr);
      lastFolder = folder;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
  }
}

HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
  std::wstring list;
  for (const std::string& path : paths) {
    wchar_t wide[1024];
    int n = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide, 1024);
    list.append(wide, static_cast<size_t>(n));
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  size_t bytes = list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
  GlobalUnlock(memory);
  return memory;
}

std::string ShownText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
