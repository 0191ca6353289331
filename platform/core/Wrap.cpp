#include "Wrap.h"

size_t RowCountOf(std::string_view line, int width, CharMetrics& metrics) {
  // Most lines fit: sum their widths first, the slow way only when they do not.
  if (const int* widths = metrics.SingleByteWidths()) {
    long sum = 0;
    size_t pos = 0;
    for (; pos < line.size() && sum <= width; ++pos) {
      unsigned char byte = static_cast<unsigned char>(line[pos]);
      if (mbcs::IsLeadByte(byte) && pos + 1 < line.size()) {
        sum += metrics.Width(line.substr(pos, 2));
        ++pos;
      } else {
        sum += widths[byte];
      }
    }
    if (pos >= line.size() && sum <= width) return 1;
  }
  size_t rows = 0;
  ForEachRow(line, width, metrics, [&rows](size_t, size_t) { ++rows; });
  return rows;
}
