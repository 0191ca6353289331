#pragma once
// What the text area shows of its text: rows wrapped to its width, the rows
// in view, the caret and selection, and how keys and the mouse move them.
// Rows are wrapped when first needed, so a change costs only the lines it
// touches until the next paint.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "TextModel.h"
#include "Wrap.h"

class TextView {
 public:
  static constexpr int Margin = 2;  // left and right of the text, pixels

  explicit TextView(CharMetrics& metrics) : metrics_(&metrics) {}

  const TextModel& Text() const { return text_; }
  void SetCapacity(size_t bytes) { text_.SetCapacity(bytes); }

  // Changes of the text; each keeps the rows of the other lines.
  void ReplaceLine(ptrdiff_t index, std::string_view line);
  bool Append(std::string_view line);
  void Clear();

  // The area: client size in pixels. The font's metrics changed: call Relayout.
  void SetClientSize(int width, int height);
  void Relayout();
  int ClientWidth() const { return width_; }

  struct Row {
    size_t line;   // caret line (may be the place after a final CR LF)
    size_t begin;  // byte offsets into the line
    size_t end;
  };
  size_t RowCount();
  size_t PageRows() const;  // whole rows that fit, at least 1
  size_t TopRow();
  Row RowAt(size_t row);
  int RowHeight() const { return rowHeight_; }

  // Scrolling (rows). Clamped so that the last row can come to the bottom.
  size_t MaxTopRow();
  void ScrollTo(size_t topRow);
  void ScrollBy(long rows);
  void ScrollCaretIntoView();

  // Caret and selection.
  enum class Motion { Left, Right, Up, Down, RowStart, RowEnd, PageUp, PageDown, TextStart, TextEnd };
  void Move(Motion motion, bool extend);
  void SelectAll();
  void Select(size_t anchor, size_t caret);
  // Mouse: the position nearest to a client point; extend keeps the anchor.
  void PlaceCaretAt(int x, int y, bool extend);
  size_t PositionAt(int x, int y, bool* atRowEnd = nullptr);
  // Where the caret is drawn, client pixels; false when not in view.
  bool CaretPoint(int* x, int* y);
  // X of an offset within a row, from the text's left margin.
  int XOf(const Row& row, size_t offset);

 private:
  // Lines from fromLine on must be wrapped again (their count of rows is unknown).
  void Invalidate(size_t fromLine, size_t toLine);
  void EnsureRows();
  size_t RowsOf(size_t line);
  int WrapWidth() const { return width_ - 2 * Margin > 1 ? width_ - 2 * Margin : 1; }
  // Row holding a position; atRowEnd picks the earlier row at a wrap point.
  size_t RowOfPosition(size_t pos, bool atRowEnd);
  size_t OffsetAtX(const Row& row, int x, bool* pastEnd);
  void SetCaret(size_t pos, bool extend, bool atRowEnd);
  void AnchorTop(size_t row);

  CharMetrics* metrics_;
  TextModel text_;
  int width_ = 1;
  int height_ = 1;
  int rowHeight_ = 16;
  // Rows of each caret line (0: not wrapped yet) and the first row of each.
  std::vector<uint32_t> rowsOf_;
  std::vector<uint64_t> firstRow_;
  size_t validLines_ = 0;  // lines whose rows and following first row are known
  // The top of the view, held as a line and a row in it so that it stays
  // on the same text when lines change or wrap anew.
  size_t topLine_ = 0;
  size_t topSubRow_ = 0;
  bool caretAtRowEnd_ = false;
  int goalX_ = -1;  // remembered across Up and Down
};
