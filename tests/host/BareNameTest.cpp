#include <gtest/gtest.h>

#include "core/Paths.h"

namespace {

struct Case {
  const char* name;
  const char* path;
  const char* bareName;
  const char* folder;
};

// "ソ" is 83 5C and "表" is 95 5C in code page 932: their second byte is a
// backslash's value and must not count as a separator.
const Case Cases[] = {
    {"file in folders", "C:\\Data\\Report.txt", "Report.txt", "C:\\Data\\"},
    {"folder", "C:\\Data\\Sub", "Sub", "C:\\Data\\"},
    {"drive root", "C:\\", "", "C:\\"},
    {"drive and name only", "C:name.txt", "name.txt", "C:"},
    {"trailing separator", "C:\\Data\\", "", "C:\\Data\\"},
    {"no separator", "Report.txt", "Report.txt", ""},
    {"empty", "", "", ""},
    {"so at the end", "C:\\ソ", "ソ", "C:\\"},
    {"so and hyo in the name", "C:\\dir\\ソ表.txt", "ソ表.txt", "C:\\dir\\"},
    {"so in the folder", "C:\\ソ\\a.txt", "a.txt", "C:\\ソ\\"},
    {"hyo folder and name", "Z:\\表\\表", "表", "Z:\\表\\"},
    {"UNC", "\\\\server\\share\\x", "x", "\\\\server\\share\\"},
    {"half-width katakana", "C:\\ｷｬﾝｾﾙ\\ﾌｧｲﾙ", "ﾌｧｲﾙ", "C:\\ｷｬﾝｾﾙ\\"},
    {"lone lead byte at the end", "C:\\a\\\x83", "\x83", "C:\\a\\"},
};

TEST(BareName, FollowsTheDoubleByteRule) {
  for (const Case& c : Cases) {
    EXPECT_EQ(ExtractFileName(c.path), c.bareName) << c.name;
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.name;
  }
}

}  // namespace
