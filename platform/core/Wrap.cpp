#include "Wrap.h"

namespace {

// The rows of ForEachRow, counted in one pass with the table of widths. A
// row that breaks after a space carries what follows the space to the next
// row, which is the same as starting the next row at the space's end.
size_t CountRows(std::string_view line, int width, CharMetrics& metrics, const int* widths) {
  size_t rows = 1;
  size_t rowStart = 0, afterSpace = 0, pos = 0;
  long x = 0;
  while (pos < line.size()) {
    unsigned char byte = static_cast<unsigned char>(line[pos]);
    size_t len = mbcs::IsLeadByte(byte) && pos + 1 < line.size() ? 2 : 1;
    long w = len == 1 ? widths[byte] : metrics.Width(line.substr(pos, 2));
    if (x + w > width && pos > rowStart) {
      ++rows;
      rowStart = pos = afterSpace > rowStart ? afterSpace : pos;
      afterSpace = 0;
      x = 0;
      continue;
    }
    x += w;
    pos += len;
    if (byte == ' ') afterSpace = pos;
  }
  return rows;
}

}  // namespace

size_t RowCountOf(std::string_view line, int width, CharMetrics& metrics) {
  if (const int* widths = metrics.SingleByteWidths()) return CountRows(line, width, metrics, widths);
  size_t rows = 0;
  ForEachRow(line, width, metrics, [&rows](size_t, size_t) { ++rows; });
  return rows;
}
