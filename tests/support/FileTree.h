#pragma once
// Removing a folder with all it holds, read-only files included.
#include <string>

void RemoveTree(const std::string& folder);  // folder ends with a backslash
