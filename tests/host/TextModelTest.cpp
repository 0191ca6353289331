#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextModel.h"

namespace {

std::vector<std::string> LinesOf(const TextModel& text) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < text.LineCount(); ++i) lines.emplace_back(text.Line(i));
  return lines;
}

TEST(ShownList, EmptyTextHasNoLines) {
  TextModel text;
  EXPECT_EQ(text.LineCount(), 0u);
  EXPECT_EQ(text.Text(), "");
  EXPECT_EQ(text.CaretLineCount(), 1u);
}

TEST(ShownList, AppendEndsEveryLineWithCrLf) {
  TextModel text;
  EXPECT_TRUE(text.Append("Report.txt"));
  EXPECT_TRUE(text.Append(""));  // a drive root's empty bare name is a line
  EXPECT_TRUE(text.Append("ソ表.txt"));
  EXPECT_EQ(text.LineCount(), 3u);
  EXPECT_EQ(text.Text(), "Report.txt\r\n\r\nソ表.txt\r\n");
  EXPECT_EQ(LinesOf(text), (std::vector<std::string>{"Report.txt", "", "ソ表.txt"}));
  EXPECT_EQ(text.Caret(), text.Length());
}

TEST(ShownList, OnlyAnEmptyLineIsCrLfAndCountsOne) {
  TextModel text;
  text.Append("");
  EXPECT_EQ(text.Text(), "\r\n");
  EXPECT_EQ(text.LineCount(), 1u);
}

TEST(ShownList, ALineThatDoesNotFitWholeIsNotTakenAtAll) {
  TextModel text;
  text.SetCapacity(10);
  EXPECT_TRUE(text.Append("abc"));      // 5 bytes with its break
  EXPECT_FALSE(text.Append("defg"));    // 6 would be needed, 5 are left
  EXPECT_EQ(text.Text(), "abc\r\n");  // nothing of it, no cut name
  EXPECT_EQ(text.LineCount(), 1u);
  EXPECT_EQ(text.Caret(), 5u);
  EXPECT_TRUE(text.Append("def"));  // exactly fills the capacity
  EXPECT_EQ(text.Length(), 10u);
  EXPECT_FALSE(text.Append(""));  // full: not even an empty line goes in
  EXPECT_EQ(text.LineCount(), 2u);
  text.Clear();
  EXPECT_EQ(text.LineCount(), 0u);
  EXPECT_TRUE(text.Append("abc"));
}

TEST(ShownList, ReplacementIsCutToTheCapacityOnWholeCharacters) {
  TextModel text;
  text.SetCapacity(7);
  text.Append("ab");              // 4 of 7 bytes
  text.ReplaceLine(0, "abcdソ");  // the line may grow to 5: "abcd" and not half of ソ
  EXPECT_EQ(text.Line(0), "abcd");
  EXPECT_EQ(text.Length(), 6u);
}

TEST(ShownList, ReplaceLineKeepsItsBreakAndIgnoresMissingLines) {
  TextModel text;
  text.Append("report.txt");
  text.Append("data");
  text.ReplaceLine(0, "REPORT.TXT");
  text.ReplaceLine(1, "a much longer line than before");
  text.ReplaceLine(2, "nothing");
  text.ReplaceLine(-1, "nothing");
  EXPECT_EQ(text.Text(), "REPORT.TXT\r\na much longer line than before\r\n");
  text.ReplaceLine(1, "");
  EXPECT_EQ(text.Text(), "REPORT.TXT\r\n\r\n");
  EXPECT_EQ(text.LineStart(1), 12u);
}

TEST(ShownList, PositionsSkipLineBreaksAndDoubleByteHalves) {
  TextModel text;
  text.Append("aソ");
  text.Append("b");
  // a ソ CR LF b CR LF  ->  0 1 3 [CR LF] 5 6 [CR LF] 8
  const size_t forward[] = {1, 3, 5, 6, 8, 8};
  size_t pos = 0;
  for (size_t expected : forward) {
    pos = text.NextPosition(pos);
    EXPECT_EQ(pos, expected);
  }
  const size_t backward[] = {6, 5, 3, 1, 0, 0};
  for (size_t expected : backward) {
    pos = text.PreviousPosition(pos);
    EXPECT_EQ(pos, expected);
  }
  EXPECT_EQ(text.Snap(2), 1u);  // inside ソ
  EXPECT_EQ(text.Snap(4), 3u);  // between CR and LF
  EXPECT_EQ(text.LineOfPosition(5), 1u);
  EXPECT_EQ(text.LineOfPosition(8), 2u);  // the place after the final break
}

TEST(ShownList, CopyRangeGivesTheSelectedBytes) {
  TextModel text;
  text.Append("A");
  text.Append("B");
  std::string all;
  text.CopyRange(0, text.Length(), [&all](std::string_view piece) { all.append(piece); });
  EXPECT_EQ(all, "A\r\nB\r\n");
  std::string middle;
  text.CopyRange(0, 3, [&middle](std::string_view piece) { middle.append(piece); });
  EXPECT_EQ(middle, "A\r\n");
}

TEST(ShownList, LargeListsStayConsistent) {
  TextModel text;
  const int n = 100000;
  for (int i = 0; i < n; ++i) ASSERT_TRUE(text.Append("Z:\\tmp\\item" + std::to_string(i)));
  EXPECT_EQ(text.LineCount(), static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) text.ReplaceLine(i, "z:\\TMP\\ITEM" + std::to_string(i));
  EXPECT_EQ(text.Line(n - 1), "z:\\TMP\\ITEM" + std::to_string(n - 1));
  size_t start = text.LineStart(n - 1);
  EXPECT_EQ(text.LineOfPosition(start), static_cast<size_t>(n - 1));
  EXPECT_EQ(text.Text().size(), text.Length());
}

}  // namespace
