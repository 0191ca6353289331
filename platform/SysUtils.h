#pragma once
// Strings, paths and files in the system's code page.
#include <string>

#include "core/Exceptions.h"
#include "core/Paths.h"

// Copies converted by the system's locale, double-byte characters whole.
std::string AnsiUpperCase(std::string text);
std::string AnsiLowerCase(std::string text);

// True when a file, not a folder, exists at the path.
bool FileExists(const std::string& path);

// Renames an item, never replacing another. Where the file system keeps
// the old case of a name that differs only in case, the item is renamed
// through a temporary name in its folder. True when the item has the new name.
bool RenameFile(const std::string& oldName, const std::string& newName);
