#include <gtest/gtest.h>

#include <string>

#include "core/Mbcs.h"

namespace {

TEST(Mbcs, LeadBytesOfCodePage932) {
  EXPECT_TRUE(mbcs::IsLeadByte(0x81));
  EXPECT_TRUE(mbcs::IsLeadByte(0x9F));
  EXPECT_TRUE(mbcs::IsLeadByte(0xE0));
  EXPECT_TRUE(mbcs::IsLeadByte(0xFC));
  EXPECT_FALSE(mbcs::IsLeadByte(0x80));
  EXPECT_FALSE(mbcs::IsLeadByte(0xA0));
  EXPECT_FALSE(mbcs::IsLeadByte(0xB7));  // half-width katakana stands alone
  EXPECT_FALSE(mbcs::IsLeadByte('\\'));
}

TEST(Mbcs, BoundariesNeverSplitACharacter) {
  // a ソ ｷ 表 : 61 | 83 5C | B7 | 95 5C
  std::string text = "aソｷ表";
  ASSERT_EQ(text.size(), 6u);
  const bool boundary[] = {true, true, false, true, true, false, true};
  for (size_t pos = 0; pos <= text.size(); ++pos) EXPECT_EQ(mbcs::IsBoundary(text, pos), boundary[pos]) << pos;
  EXPECT_EQ(mbcs::PreviousCharStart(text, 6), 4u);
  EXPECT_EQ(mbcs::PreviousCharStart(text, 4), 3u);
  EXPECT_EQ(mbcs::PreviousCharStart(text, 3), 1u);
  EXPECT_EQ(mbcs::WholeCharPrefix(text, 2), 1u);
  EXPECT_EQ(mbcs::WholeCharPrefix(text, 5), 4u);
}

TEST(Mbcs, TrailBytesThatLookLikeLeadBytes) {
  // 0x81 0x81 is one character; a run of lead-valued bytes pairs from the left.
  std::string text = "\x81\x81\x81\x81" "a";
  EXPECT_EQ(mbcs::PreviousCharStart(text, 4), 2u);
  EXPECT_FALSE(mbcs::IsBoundary(text, 3));
  EXPECT_TRUE(mbcs::IsBoundary(text, 2));
  std::string lone = "ab\x83";
  EXPECT_EQ(mbcs::CharLength(lone, 2), 1u);
  EXPECT_EQ(mbcs::WholeCharPrefix(lone, lone.size()), 3u);
}

}  // namespace
