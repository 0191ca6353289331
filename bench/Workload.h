#pragma once
// What the benchmark works on: N full paths of 60 bytes, as files on disk
// and as the shell's drop block.
#include <windows.h>

#include <string>
#include <vector>

#include "FileTree.h"

std::vector<std::string> MakePaths(const std::string& root, size_t count);
// Creates the files (and their folders of a thousand each).
void MakeFiles(const std::vector<std::string>& paths);
// A drop block as the shell makes it for files dragged from a file manager.
HGLOBAL MakeDrop(const std::vector<std::string>& paths);
std::string ShownText(const std::vector<std::string>& lines);
