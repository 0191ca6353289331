#include "DropList.h"

#include <cstring>

namespace {
constexpr size_t HeaderSize = 20;  // offset, point, non-client flag, wide flag
constexpr size_t WideFlagOffset = 16;

uint32_t ReadU32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
}  // namespace

bool ReadDropHeader(const char* block, size_t size, DropHeader* header) {
  if (block == nullptr || size < HeaderSize) return false;
  header->firstPath = ReadU32(block);
  header->wide = ReadU32(block + WideFlagOffset) != 0;
  return true;
}

bool ReadDropEntry(const char* block, size_t size, size_t offset, bool wide, DropEntry* entry) {
  size_t unit = wide ? 2 : 1;
  if (offset > size || size - offset < unit) return false;
  size_t pos = offset;
  auto isZero = [&](size_t at) { return block[at] == 0 && (!wide || block[at + 1] == 0); };
  while (size - pos >= unit && !isZero(pos)) pos += unit;
  if (pos == offset) return false;  // the empty path that ends the list
  entry->begin = offset;
  entry->end = pos;
  entry->next = size - pos >= unit ? pos + unit : size;
  return true;
}
