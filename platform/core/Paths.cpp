#include "Paths.h"

#include "Mbcs.h"

namespace {

// Offset just after the last separator, found by walking whole characters
// from the start: a 0x5C that is a trail byte is part of its character.
size_t NameStart(std::string_view path) {
  size_t start = 0;
  for (size_t pos = 0; pos < path.size();) {
    size_t len = mbcs::CharLength(path, pos);
    if (len == 1 && (path[pos] == '\\' || path[pos] == ':')) start = pos + 1;
    pos += len;
  }
  return start;
}

}  // namespace

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }
