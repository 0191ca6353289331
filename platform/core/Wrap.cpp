#include "Wrap.h"

size_t RowCountOf(std::string_view line, int width, CharMetrics& metrics) {
  size_t rows = 0;
  ForEachRow(line, width, metrics, [&rows](size_t, size_t) { ++rows; });
  return rows;
}
