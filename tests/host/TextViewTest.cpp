#include <gtest/gtest.h>

#include <string>

#include "core/TextView.h"

namespace {

// Every single-byte character 8 pixels wide, every double-byte one 16.
class FixedMetrics : public CharMetrics {
 public:
  int Width(std::string_view character) override { return character.size() == 1 ? 8 : 16; }
  int RowHeight() override { return 16; }
};

class View : public ::testing::Test {
 protected:
  View() : view(metrics) {
    // 10 characters of 8 pixels between the margins, 4 rows.
    view.SetClientSize(80 + 2 * TextView::Margin, 64);
    view.Relayout();
  }
  void AppendAll(std::initializer_list<const char*> lines) {
    for (const char* line : lines) view.Append(line);
  }
  std::string RowText(size_t row) {
    TextView::Row r = view.RowAt(row);
    if (r.line >= view.Text().LineCount()) return "<end>";
    return std::string(view.Text().Line(r.line).substr(r.begin, r.end - r.begin));
  }
  size_t Caret() const { return view.Text().Caret(); }

  FixedMetrics metrics;
  TextView view;
};

TEST_F(View, WrapsLongLinesButKeepsThemOneLine) {
  AppendAll({"0123456789abcde", "short"});
  EXPECT_EQ(view.Text().LineCount(), 2u);
  EXPECT_EQ(view.RowCount(), 4u);  // two rows, one row, the place after the last break
  EXPECT_EQ(RowText(0), "0123456789");
  EXPECT_EQ(RowText(1), "abcde");
  EXPECT_EQ(RowText(2), "short");
  EXPECT_EQ(RowText(3), "<end>");
}

TEST_F(View, BreaksAfterSpacesAndKeepsDoubleByteCharactersWhole) {
  AppendAll({"abc defghij klm", "aaaaaaaaaソ"});
  EXPECT_EQ(RowText(0), "abc ");
  EXPECT_EQ(RowText(1), "defghij ");
  EXPECT_EQ(RowText(2), "klm");
  EXPECT_EQ(RowText(3), "aaaaaaaaa");  // ソ (16 px) does not fit after 72 px
  EXPECT_EQ(RowText(4), "ソ");
}

TEST_F(View, WrapsAgainWhenTheWidthChanges) {
  AppendAll({"0123456789abcdefghij"});
  EXPECT_EQ(view.RowCount(), 3u);
  view.SetClientSize(40 + 2 * TextView::Margin, 64);
  EXPECT_EQ(view.RowCount(), 5u);
  EXPECT_EQ(RowText(3), "fghij");
}

TEST_F(View, ArrowsMoveByCharacterAndRow) {
  AppendAll({"abソ", "xyz"});
  view.Select(0, 0);
  view.Move(TextView::Motion::Right, false);
  view.Move(TextView::Motion::Right, false);
  view.Move(TextView::Motion::Right, false);
  EXPECT_EQ(Caret(), 4u);  // after ソ
  view.Move(TextView::Motion::Right, false);
  EXPECT_EQ(Caret(), 6u);  // over CR LF to the next line
  view.Move(TextView::Motion::Up, false);
  EXPECT_EQ(Caret(), 0u);
  view.Move(TextView::Motion::RowEnd, false);
  EXPECT_EQ(Caret(), 4u);
  view.Move(TextView::Motion::Down, false);
  EXPECT_EQ(Caret(), 9u);  // x 32 on the next row is its end
  view.Move(TextView::Motion::RowStart, true);
  EXPECT_EQ(view.Text().SelStart(), 6u);
  EXPECT_EQ(view.Text().SelEnd(), 9u);
  view.Move(TextView::Motion::Left, false);  // collapses to the start
  EXPECT_EQ(Caret(), 6u);
  EXPECT_EQ(view.Text().SelStart(), view.Text().SelEnd());
}

TEST_F(View, TextStartEndAndSelectAll) {
  AppendAll({"one", "two"});
  view.Move(TextView::Motion::TextStart, false);
  EXPECT_EQ(Caret(), 0u);
  view.Move(TextView::Motion::TextEnd, true);
  EXPECT_EQ(view.Text().SelStart(), 0u);
  EXPECT_EQ(view.Text().SelEnd(), 10u);
  view.Select(3, 3);
  view.SelectAll();
  EXPECT_EQ(view.Text().SelEnd(), view.Text().Length());
}

TEST_F(View, PagesScrollAndTheCaretStaysInView) {
  for (int i = 0; i < 20; ++i) view.Append("line" + std::to_string(i));
  EXPECT_EQ(view.RowCount(), 21u);
  EXPECT_EQ(view.MaxTopRow(), 17u);
  view.Select(0, 0);
  view.ScrollTo(0);
  view.Move(TextView::Motion::PageDown, false);
  EXPECT_EQ(view.Text().LineOfPosition(Caret()), 4u);
  EXPECT_EQ(view.TopRow(), 4u);
  view.Move(TextView::Motion::TextEnd, false);
  EXPECT_EQ(view.TopRow(), 17u);
  view.Move(TextView::Motion::PageUp, false);
  EXPECT_EQ(view.Text().LineOfPosition(Caret()), 16u);
  view.ScrollTo(1000);
  EXPECT_EQ(view.TopRow(), 17u);
}

TEST_F(View, TheTopStaysOnItsLineWhenTextChanges) {
  for (int i = 0; i < 20; ++i) view.Append("line" + std::to_string(i));
  view.ScrollTo(10);
  view.ReplaceLine(2, "a line long enough to wrap over rows");
  EXPECT_EQ(view.RowAt(view.TopRow()).line, 10u);
  view.Clear();
  EXPECT_EQ(view.TopRow(), 0u);
  EXPECT_EQ(view.RowCount(), 1u);
}

TEST_F(View, MouseHitsTheNearestBoundary) {
  AppendAll({"abcdef", "ソソ"});
  view.ScrollTo(0);
  view.PlaceCaretAt(TextView::Margin + 13, 3, false);  // past the middle of "b"
  EXPECT_EQ(Caret(), 2u);
  view.PlaceCaretAt(TextView::Margin + 19, 20, true);  // second row, past the middle of the first ソ
  EXPECT_EQ(view.Text().SelStart(), 2u);
  EXPECT_EQ(Caret(), 10u);
  view.PlaceCaretAt(500, 3, false);  // right of the text: its end
  EXPECT_EQ(Caret(), 6u);
  view.PlaceCaretAt(5, 500, false);  // below the text: the last row
  EXPECT_EQ(Caret(), view.Text().Length());
}

TEST_F(View, EndOfAWrappedRowStaysOnThatRow) {
  AppendAll({"0123456789abc"});
  view.Select(0, 0);
  view.Move(TextView::Motion::RowEnd, false);
  EXPECT_EQ(Caret(), 10u);
  int x = 0, y = 0;
  ASSERT_TRUE(view.CaretPoint(&x, &y));
  EXPECT_EQ(y, 0);
  EXPECT_EQ(x, TextView::Margin + 80);
  view.Move(TextView::Motion::Right, false);
  ASSERT_TRUE(view.CaretPoint(&x, &y));
  EXPECT_EQ(y, 16);
}

}  // namespace
