#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/Wrap.h"

namespace {

// Proportional widths: a single byte by its value, a double-byte character 13.
class AskedMetrics : public CharMetrics {
 public:
  int Width(std::string_view c) override { return c.size() == 1 ? 3 + static_cast<unsigned char>(c[0]) % 7 : 13; }
  int RowHeight() override { return 16; }
};

// The same widths, with the single-byte ones offered as a table.
class TabledMetrics : public AskedMetrics {
 public:
  TabledMetrics() {
    for (int b = 0; b < 256; ++b) table_[b] = 3 + b % 7;
  }
  const int* SingleByteWidths() override { return table_; }

 private:
  int table_[256];
};

using Rows = std::vector<std::pair<size_t, size_t>>;

Rows RowsOf(std::string_view line, int width, CharMetrics& metrics) {
  Rows rows;
  ForEachRow(line, width, metrics, [&](size_t begin, size_t end) { rows.emplace_back(begin, end); });
  return rows;
}

TEST(Wrap, TheTableOfWidthsBreaksRowsAsAskingEachCharacterDoes) {
  const std::string lines[] = {
      "",
      "short",
      "C:\\Users\\someone\\Documents\\a-rather-long-file-name-that-wraps.txt",
      "words with spaces that break after a space where one falls in the row",
      "xソy表zｱｲｳ漢字のファイル名ａｂｃ.txt",
      "nospacesatallnospacesatallnospacesatallnospacesatall",
      "lone lead byte at the end \x81",
  };
  AskedMetrics asked;
  TabledMetrics tabled;
  for (const std::string& line : lines)
    for (int width : {1, 10, 40, 97, 381, 2000}) {
      Rows expected = RowsOf(line, width, asked);
      EXPECT_EQ(RowsOf(line, width, tabled), expected) << line << " at " << width;
      EXPECT_EQ(RowCountOf(line, width, tabled), expected.size()) << line << " at " << width;
      EXPECT_EQ(RowCountOf(line, width, asked), expected.size()) << line << " at " << width;
    }
}

}  // namespace
