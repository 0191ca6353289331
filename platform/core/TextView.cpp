#include "TextView.h"

#include <algorithm>

#include "Mbcs.h"

void TextView::Invalidate(size_t fromLine, size_t toLine) {
  size_t n = text_.CaretLineCount();
  rowsOf_.resize(n, 0);
  for (size_t i = fromLine; i < toLine && i < n; ++i) rowsOf_[i] = 0;
  validLines_ = std::min(validLines_, fromLine);
}

void TextView::ReplaceLine(ptrdiff_t index, std::string_view line) {
  text_.ReplaceLine(index, line);
  if (index >= 0 && static_cast<size_t>(index) < text_.LineCount())
    Invalidate(static_cast<size_t>(index), static_cast<size_t>(index) + 1);
  goalX_ = -1;
  caretAtRowEnd_ = false;
}

bool TextView::Append(std::string_view line) {
  size_t first = text_.LineCount();
  bool whole = text_.Append(line);
  Invalidate(first, text_.CaretLineCount());
  goalX_ = -1;
  caretAtRowEnd_ = false;
  return whole;
}

void TextView::Clear() {
  text_.Clear();
  std::vector<uint32_t>().swap(rowsOf_);
  std::vector<uint64_t>().swap(firstRow_);
  validLines_ = 0;
  topLine_ = topSubRow_ = 0;
  goalX_ = -1;
  caretAtRowEnd_ = false;
}

void TextView::SetClientSize(int width, int height) {
  height_ = height > 0 ? height : 0;
  if (width != width_) {
    width_ = width > 0 ? width : 0;
    Relayout();
  }
}

void TextView::Relayout() {
  rowHeight_ = std::max(1, metrics_->RowHeight());
  std::fill(rowsOf_.begin(), rowsOf_.end(), 0);
  validLines_ = 0;
  goalX_ = -1;
}

size_t TextView::RowsOf(size_t line) {
  if (line >= text_.LineCount()) return 1;  // the place after a final CR LF
  return RowCountOf(text_.Line(line), WrapWidth(), *metrics_);
}

void TextView::EnsureRows() {
  size_t n = text_.CaretLineCount();
  if (validLines_ >= n && firstRow_.size() == n + 1) return;
  rowsOf_.resize(n, 0);
  firstRow_.resize(n + 1);
  firstRow_[0] = 0;
  for (size_t i = validLines_; i < n; ++i) {
    if (rowsOf_[i] == 0) rowsOf_[i] = static_cast<uint32_t>(RowsOf(i));
    firstRow_[i + 1] = firstRow_[i] + rowsOf_[i];
  }
  validLines_ = n;
}

size_t TextView::RowCount() {
  EnsureRows();
  return static_cast<size_t>(firstRow_.back());
}

size_t TextView::PageRows() const {
  size_t rows = static_cast<size_t>(height_ / rowHeight_);
  return rows > 0 ? rows : 1;
}

size_t TextView::MaxTopRow() {
  size_t rows = RowCount();
  return rows > PageRows() ? rows - PageRows() : 0;
}

size_t TextView::TopRow() {
  EnsureRows();
  size_t n = text_.CaretLineCount();
  if (topLine_ >= n) {
    topLine_ = n - 1;
    topSubRow_ = 0;
  }
  size_t row = static_cast<size_t>(firstRow_[topLine_]) + std::min<size_t>(topSubRow_, rowsOf_[topLine_] - 1);
  size_t maxTop = MaxTopRow();
  if (row > maxTop) {
    row = maxTop;
    AnchorTop(row);
  }
  return row;
}

void TextView::AnchorTop(size_t row) {
  EnsureRows();
  auto it = std::upper_bound(firstRow_.begin(), firstRow_.end(), static_cast<uint64_t>(row));
  size_t line = static_cast<size_t>(it - firstRow_.begin()) - 1;
  size_t n = text_.CaretLineCount();
  if (line >= n) line = n - 1;
  topLine_ = line;
  topSubRow_ = row - static_cast<size_t>(firstRow_[line]);
}

void TextView::ScrollTo(size_t topRow) { AnchorTop(std::min(topRow, MaxTopRow())); }

void TextView::ScrollBy(long rows) {
  long top = static_cast<long>(TopRow()) + rows;
  ScrollTo(top < 0 ? 0 : static_cast<size_t>(top));
}

TextView::Row TextView::RowAt(size_t row) {
  EnsureRows();
  size_t n = text_.CaretLineCount();
  auto it = std::upper_bound(firstRow_.begin(), firstRow_.end(), static_cast<uint64_t>(row));
  size_t line = static_cast<size_t>(it - firstRow_.begin()) - 1;
  if (line >= n) line = n - 1;
  Row result{line, 0, 0};
  if (line >= text_.LineCount()) return result;
  size_t wanted = row - static_cast<size_t>(firstRow_[line]);
  size_t index = 0;
  ForEachRow(text_.Line(line), WrapWidth(), *metrics_, [&](size_t begin, size_t end) {
    if (index++ == wanted) {
      result.begin = begin;
      result.end = end;
    }
  });
  return result;
}

size_t TextView::RowOfPosition(size_t pos, bool atRowEnd) {
  EnsureRows();
  size_t line = text_.LineOfPosition(pos);
  size_t first = static_cast<size_t>(firstRow_[line]);
  if (line >= text_.LineCount()) return first;
  size_t offset = pos - text_.LineStart(line);
  size_t index = 0;
  size_t found = 0;
  bool done = false;
  ForEachRow(text_.Line(line), WrapWidth(), *metrics_, [&](size_t begin, size_t end) {
    if (!done && offset >= begin && (offset < end || (offset == end && (atRowEnd || end == text_.LineLength(line))))) {
      found = index;
      done = true;
    }
    ++index;
  });
  return first + found;
}

int TextView::XOf(const Row& row, size_t offset) {
  if (row.line >= text_.LineCount()) return 0;
  std::string_view line = text_.Line(row.line);
  int x = 0;
  for (size_t pos = row.begin; pos < offset && pos < row.end;) {
    size_t len = mbcs::CharLength(line, pos);
    x += metrics_->Width(line.substr(pos, len));
    pos += len;
  }
  return x;
}

size_t TextView::OffsetAtX(const Row& row, int x, bool* pastEnd) {
  *pastEnd = false;
  if (row.line >= text_.LineCount()) return 0;
  std::string_view line = text_.Line(row.line);
  int left = 0;
  for (size_t pos = row.begin; pos < row.end;) {
    size_t len = mbcs::CharLength(line, pos);
    int w = metrics_->Width(line.substr(pos, len));
    if (x < left + w / 2) return pos;
    left += w;
    pos += len;
  }
  *pastEnd = true;
  return row.end;
}

size_t TextView::PositionAt(int x, int y, bool* atRowEnd) {
  long top = static_cast<long>(TopRow());
  long rowIndex = top + (y >= 0 ? y / rowHeight_ : -((-y + rowHeight_ - 1) / rowHeight_));
  long last = static_cast<long>(RowCount()) - 1;
  rowIndex = std::max(0L, std::min(rowIndex, last));
  Row row = RowAt(static_cast<size_t>(rowIndex));
  bool pastEnd = false;
  size_t offset = OffsetAtX(row, x - Margin, &pastEnd);
  if (atRowEnd) *atRowEnd = pastEnd && row.end < text_.LineLength(row.line);
  return text_.LineStart(row.line) + offset;
}

void TextView::SetCaret(size_t pos, bool extend, bool atRowEnd) {
  text_.Select(extend ? text_.Anchor() : pos, pos);
  caretAtRowEnd_ = atRowEnd;
  ScrollCaretIntoView();
}

void TextView::Select(size_t anchor, size_t caret) {
  text_.Select(anchor, caret);
  caretAtRowEnd_ = false;
  goalX_ = -1;
}

void TextView::SelectAll() { Select(0, text_.Length()); }

void TextView::PlaceCaretAt(int x, int y, bool extend) {
  bool atRowEnd = false;
  size_t pos = PositionAt(x, y, &atRowEnd);
  goalX_ = -1;
  SetCaret(pos, extend, atRowEnd);
}

void TextView::Move(Motion motion, bool extend) {
  size_t caret = text_.Caret();
  bool hasSelection = text_.SelStart() != text_.SelEnd();
  bool vertical = motion == Motion::Up || motion == Motion::Down || motion == Motion::PageUp ||
                  motion == Motion::PageDown;
  if (!vertical) goalX_ = -1;
  size_t row = RowOfPosition(caret, caretAtRowEnd_);
  Row current = RowAt(row);
  size_t lineStart = text_.LineStart(current.line);
  size_t target = caret;
  bool atRowEnd = false;
  switch (motion) {
    case Motion::Left:
      target = (!extend && hasSelection) ? text_.SelStart() : text_.PreviousPosition(caret);
      break;
    case Motion::Right:
      target = (!extend && hasSelection) ? text_.SelEnd() : text_.NextPosition(caret);
      break;
    case Motion::RowStart:
      target = lineStart + current.begin;
      break;
    case Motion::RowEnd:
      target = lineStart + current.end;
      atRowEnd = current.end < text_.LineLength(current.line);
      break;
    case Motion::TextStart:
      target = 0;
      break;
    case Motion::TextEnd:
      target = text_.Length();
      break;
    case Motion::Up:
    case Motion::Down:
    case Motion::PageUp:
    case Motion::PageDown: {
      if (goalX_ < 0) goalX_ = XOf(current, caret - lineStart);
      long step = (motion == Motion::Up || motion == Motion::Down) ? 1 : static_cast<long>(PageRows());
      if (motion == Motion::Up || motion == Motion::PageUp) step = -step;
      long last = static_cast<long>(RowCount()) - 1;
      long to = std::max(0L, std::min(static_cast<long>(row) + step, last));
      if (motion == Motion::PageUp || motion == Motion::PageDown) ScrollBy(to - static_cast<long>(row));
      Row destination = RowAt(static_cast<size_t>(to));
      bool pastEnd = false;
      size_t offset = OffsetAtX(destination, goalX_, &pastEnd);
      target = text_.LineStart(destination.line) + offset;
      atRowEnd = pastEnd && destination.end < text_.LineLength(destination.line);
      break;
    }
  }
  SetCaret(target, extend, atRowEnd);
}

void TextView::ScrollCaretIntoView() {
  size_t row = RowOfPosition(text_.Caret(), caretAtRowEnd_);
  size_t top = TopRow();
  if (row < top)
    ScrollTo(row);
  else if (row >= top + PageRows())
    ScrollTo(row - PageRows() + 1);
}

bool TextView::CaretPoint(int* x, int* y) {
  size_t row = RowOfPosition(text_.Caret(), caretAtRowEnd_);
  size_t top = TopRow();
  if (row < top || row > top + PageRows()) return false;
  Row r = RowAt(row);
  *x = Margin + XOf(r, text_.Caret() - text_.LineStart(r.line));
  *y = static_cast<int>(row - top) * rowHeight_;
  return true;
}
