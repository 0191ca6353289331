#include "FolderNames.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "Application.h"
#include "SysUtils.h"
#include "Win32.h"

namespace folder_names {
namespace {

using Listing = std::unordered_map<std::string, std::vector<std::string>>;  // upper-case form: names

// Folders by their upper-case path, as read during the running handler.
std::unique_ptr<std::unordered_map<std::string, Listing>> read;

Listing ReadFolder(const std::string& folder) {
  Listing listing;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return listing;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") listing[AnsiUpperCase(name)].push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return listing;
}

// The folder's listing, kept while a handler runs; null outside one.
Listing* Kept(const std::string& folder) {
  if (!read) {
    if (!Application->DeferUntilHandlerEnds(&read, []() { read.reset(); })) return nullptr;
    read = std::make_unique<std::unordered_map<std::string, Listing>>();
  }
  std::string key = AnsiUpperCase(folder);
  auto it = read->find(key);
  if (it == read->end()) it = read->emplace(key, ReadFolder(folder)).first;
  return &it->second;
}

// Outside a handler: the names asked for, read on their own.
std::vector<std::string> ReadNames(const std::string& folder, const std::string& name) {
  Listing listing = ReadFolder(folder);
  auto it = listing.find(AnsiUpperCase(name));
  return it != listing.end() ? it->second : std::vector<std::string>();
}

}  // namespace

std::vector<std::string> DifferingInCase(const std::string& folder, const std::string& name) {
  Listing* listing = Kept(folder);
  if (listing == nullptr) return ReadNames(folder, name);
  auto it = listing->find(AnsiUpperCase(name));
  return it != listing->end() ? it->second : std::vector<std::string>();
}

void Renamed(const std::string& folder, const std::string& oldName, const std::string& newName) {
  if (!read) return;
  auto kept = read->find(AnsiUpperCase(folder));
  if (kept == read->end()) return;
  auto names = kept->second.find(AnsiUpperCase(oldName));
  if (names == kept->second.end()) return;
  std::replace(names->second.begin(), names->second.end(), oldName, newName);
}

void Forget(const std::string& folder) {
  if (read) read->erase(AnsiUpperCase(folder));
}

}  // namespace folder_names
