#pragma once
// The text of the text area: lines joined by CR LF, each line ended by one
// except, after an insertion that did not fit, the last. Positions are byte
// offsets into that text (CR LF counts two) and always fall between whole
// characters, never between CR and LF.
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
  // Adds a last line. False when the text did not take it whole: then what
  // fitted of it (whole characters) stands as a last line without a break.
  bool Append(std::string_view text);
  void Clear();
  void WriteText(const std::function<void(std::string_view)>& sink) const;
  std::string Text() const;

  // Geometry of the text in positions.
  size_t Length() const { return length_; }
  bool EndsWithBreak() const { return endsWithBreak_; }
  // Number of places the caret can stand in rows of text: the lines, plus
  // the empty place after a final CR LF (or of the empty text).
  size_t CaretLineCount() const { return lines_.Count() + (endsWithBreak_ ? 1 : 0); }
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
  void AddLine(std::string_view text, bool ended);

  LineStore lines_;
  size_t length_ = 0;
  bool endsWithBreak_ = true;
  size_t capacity_ = MaxCapacity;
  size_t anchor_ = 0;
  size_t caret_ = 0;
  // Start of each line, valid for the first startsValid_ lines.
  mutable std::vector<uint32_t> starts_;
  mutable size_t startsValid_ = 0;
};
