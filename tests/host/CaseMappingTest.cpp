#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/CaseMapping.h"
#include "core/Mbcs.h"

namespace {

// Stands in for the system's mapping: single-byte letters only, whole
// characters, failing (changing nothing) when the length splits a character.
void UpperSingleBytes(char* text, size_t length) {
  std::string_view view(text, length);
  if (mbcs::WholeCharPrefix(view, length) != length) return;
  for (size_t pos = 0; pos < length; pos += mbcs::CharLength(view, pos))
    if (mbcs::CharLength(view, pos) == 1) text[pos] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos])));
}

TEST(CaseMapping, ConvertsACopyOverItsFullLength) {
  std::string original = "c:\\data\\report.txt";
  EXPECT_EQ(MapWholeCharacters(original, UpperSingleBytes), "C:\\DATA\\REPORT.TXT");
  EXPECT_EQ(original, "c:\\data\\report.txt");
}

TEST(CaseMapping, LeavesALoneLeadByteAndConvertsWhatComesBefore) {
  std::string text = "abc\x83";
  std::string mapped = MapWholeCharacters(text, UpperSingleBytes);
  EXPECT_EQ(mapped, "ABC\x83");
  EXPECT_EQ(mapped.size(), text.size());
}

TEST(CaseMapping, SecondBytesInTheLetterRangeStay) {
  // ヂ is 83 61: its second byte is "a" and must not become "A".
  EXPECT_EQ(MapWholeCharacters("aヂb", UpperSingleBytes), "AヂB");
  EXPECT_EQ(MapWholeCharacters("", UpperSingleBytes), "");
}

}  // namespace
