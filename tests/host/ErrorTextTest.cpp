#include <gtest/gtest.h>

#include "core/ErrorText.h"

namespace {

struct Case {
  const char* name;
  const char* message;
  const char* shown;
};

const Case Cases[] = {
    {"empty message gets nothing", "", ""},
    {"ends in a full stop", "Disk full.", "Disk full."},
    {"ends in a letter", "Disk full", "Disk full."},
    {"ends in a Japanese character", "RichEdit での行の挿入ｴﾗｰ", "RichEdit での行の挿入ｴﾗｰ."},
    {"ends in a kanji", "ファイルを作成できません", "ファイルを作成できません."},
    {"ends in a character below the stop", "Error!", "Error!"},
    {"ends in a comma", "a,", "a,"},
    {"ends in a hyphen", "a-", "a-"},
    {"ends in a slash", "a/", "a/."},
    {"ends in a digit", "Error 5", "Error 5."},
    {"ends in a space", "a ", "a "},
    // A trail byte of 0x2E must not read as a full stop: the last character is
    // judged by its first byte.
    {"double-byte character with a low trail byte", "\x81\x2E", "\x81\x2E."},
};

TEST(ErrorBoxText, AddsAFullStopByTheLastCharacter) {
  for (const Case& c : Cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.name;
}

}  // namespace
