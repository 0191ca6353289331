#pragma once
// The text of the text area: lines, each ended by CR LF. Positions are byte
// offsets into that text (CR LF counts two) and always fall between whole
// characters, never between CR and LF. A line that does not fit the
// capacity whole is not taken at all: a cut line would name another item.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "LineStore.h"

class TextModel {
 public:
  static constexpr size_t MaxCapacity = 0x7FFFFFFE;  // 2^31 - 2 bytes

  size_t Capacity() const { return capacity_; }
  void SetCapacity(size_t bytes) { capacity_ = bytes > MaxCapacity ? MaxCapacity : bytes; }

  // The line operations of the shown list.
  size_t LineCount() const { return lines_.Count(); }
  std::string_view Line(size_t index) const { return lines_.At(index); }
  // Replaces the text of a line, keeping its break; no line, no change.
  void ReplaceLine(ptrdiff_t index, std::string_view text);
  // Adds the line and its CR LF at the end, the caret after them. False when
  // they do not fit: then nothing is added and the caret stays at the end.
  bool Append(std::string_view text);
  void Clear();
  void WriteText(const std::function<void(std::string_view)>& sink) const;
  std::string Text() const;

  // Geometry of the text in positions.
  size_t Length() const { return length_; }
  // Number of places the caret can stand in rows of text: the lines, and
  // the empty place after the last CR LF (the only one of the empty text).
  size_t CaretLineCount() const { return lines_.Count() + 1; }
  // Start of caret line i (i < CaretLineCount()), and its length without break.
  size_t LineStart(size_t index) const;
  size_t LineLength(size_t index) const { return index < lines_.Count() ? lines_.At(index).size() : 0; }
  size_t LineOfPosition(size_t pos) const;
  void CopyRange(size_t begin, size_t end, const std::function<void(std::string_view)>& sink) const;

  // Character steps; CR LF is one step.
  size_t NextPosition(size_t pos) const;
  size_t PreviousPosition(size_t pos) const;
  // The nearest valid position at or before pos (pos clamped to the text).
  size_t Snap(size_t pos) const;

  // Selection: the anchor stays, the caret moves; the caret is the end used
  // by the keys. Start and end are the lower and upper of the two.
  size_t Anchor() const { return anchor_; }
  size_t Caret() const { return caret_; }
  size_t SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  size_t SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  void Select(size_t anchor, size_t caret) {
    anchor_ = Snap(anchor);
    caret_ = Snap(caret);
  }

 private:
  void EnsureStarts(size_t upTo) const;

  LineStore lines_;
  size_t length_ = 0;
  size_t capacity_ = MaxCapacity;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  // Start of each line, valid for the first startsValid_ lines.
  mutable std::vector<uint32_t> starts_;
  mutable size_t startsValid_ = 0;
};
