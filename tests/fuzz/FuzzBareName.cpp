// The bare name is a suffix of the path, and holds no separator outside a
// double-byte character; the folder part and it make up the path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Mbcs.h"
#include "core/Paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path(reinterpret_cast<const char*>(data), size);
  std::string name = ExtractFileName(path);
  std::string folder = ExtractFilePath(path);
  if (folder + name != path) __builtin_trap();
  if (!mbcs::IsBoundary(path, folder.size())) __builtin_trap();
  for (size_t pos = 0; pos < name.size(); pos += mbcs::CharLength(name, pos))
    if (mbcs::CharLength(name, pos) == 1 && (name[pos] == '\\' || name[pos] == ':')) __builtin_trap();
  return 0;
}
