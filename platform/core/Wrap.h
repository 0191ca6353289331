#pragma once
// Breaking a line into rows no wider than the text area. Rows break after a
// space where one falls in the row, otherwise before the character that
// does not fit; every row holds at least one whole character.
#include <cstddef>
#include <string_view>

class CharMetrics {
 public:
  virtual ~CharMetrics() = default;
  // Advance of one character (one or two bytes).
  virtual int Width(std::string_view character) = 0;
  virtual int RowHeight() = 0;
  // Advances of the single-byte characters, when known ahead: lets a line
  // be measured without a call per character.
  virtual const int* SingleByteWidths() { return nullptr; }
};

// Calls onRow(begin, end) for each row of the line, offsets into the line.
// An empty line is one empty row.
template <class OnRow>
void ForEachRow(std::string_view line, int width, CharMetrics& metrics, OnRow onRow);

size_t RowCountOf(std::string_view line, int width, CharMetrics& metrics);

#include "Wrap.inl"
