#include "FolderNames.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Application.h"
#include "SysUtils.h"
#include "Win32.h"

namespace folder_names {
namespace {

using Listing = std::unordered_map<std::string, std::vector<std::string>>;  // upper-case form: names

// The folders read last during the running handler, by their upper-case
// path: dropped items come in runs from one folder, so a few are enough, and
// a pass over many folders keeps no more than a few listings.
constexpr size_t FoldersKept = 8;
using Folders = std::vector<std::pair<std::string, Listing>>;
std::unique_ptr<Folders> read;

Folders::iterator Find(const std::string& key) {
  return std::find_if(read->begin(), read->end(), [&](const auto& folder) { return folder.first == key; });
}

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
    read = std::make_unique<Folders>();
  }
  std::string key = AnsiUpperCase(folder);
  auto it = Find(key);
  if (it != read->end()) return &it->second;
  if (read->size() == FoldersKept) read->erase(read->begin());
  read->emplace_back(key, ReadFolder(folder));
  return &read->back().second;
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
  auto kept = Find(AnsiUpperCase(folder));
  if (kept == read->end()) return;
  auto names = kept->second.find(AnsiUpperCase(oldName));
  if (names == kept->second.end()) return;
  std::replace(names->second.begin(), names->second.end(), oldName, newName);
}

void Forget(const std::string& folder) {
  if (!read) return;
  auto kept = Find(AnsiUpperCase(folder));
  if (kept != read->end()) read->erase(kept);
}

}  // namespace folder_names
