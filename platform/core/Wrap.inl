#include "Mbcs.h"

template <class OnRow>
void ForEachRow(std::string_view line, int width, CharMetrics& metrics, OnRow onRow) {
  size_t rowStart = 0;
  size_t afterSpace = 0;  // a break opportunity after a space in this row, 0 if none
  int x = 0;
  int xAfterSpace = 0;    // width from afterSpace to the current position
  size_t pos = 0;
  const int* singles = metrics.SingleByteWidths();  // spares a call per character
  while (pos < line.size()) {
    size_t len = mbcs::CharLength(line, pos);
    int w = len == 1 && singles != nullptr ? singles[static_cast<unsigned char>(line[pos])]
                                           : metrics.Width(line.substr(pos, len));
    if (x + w > width && pos > rowStart) {
      if (afterSpace > rowStart) {
        onRow(rowStart, afterSpace);
        rowStart = afterSpace;
        x = xAfterSpace;
      } else {
        onRow(rowStart, pos);
        rowStart = pos;
        x = 0;
      }
      afterSpace = 0;
      xAfterSpace = 0;
      continue;  // measure this character again on the new row
    }
    x += w;
    xAfterSpace += w;
    pos += len;
    if (len == 1 && line[pos - 1] == ' ') {
      afterSpace = pos;
      xAfterSpace = 0;
    }
  }
  onRow(rowStart, line.size());
}
