#pragma once
// The block of a file drop: a header (offset of the path list, wide flag)
// and the paths, each ended by a zero, the list ended by an empty path.
// Reading is bounded by the block's size, whatever the block holds.
#include <cstddef>
#include <cstdint>

struct DropHeader {
  size_t firstPath = 0;  // offset of the list in the block
  bool wide = false;     // UTF-16 paths rather than the system's code page
};

// False when the block is too small for its header.
bool ReadDropHeader(const char* block, size_t size, DropHeader* header);

struct DropEntry {
  size_t begin;  // byte offsets of the path's text in the block
  size_t end;
  size_t next;   // offset of the following entry
};

// The entry at offset; false at the list's end (an empty path, or the end
// of the block).
bool ReadDropEntry(const char* block, size_t size, size_t offset, bool wide, DropEntry* entry);
