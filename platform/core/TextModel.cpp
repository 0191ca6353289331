#include "TextModel.h"

#include <algorithm>

#include "Mbcs.h"

namespace {
constexpr std::string_view LineBreak = "\r\n";
}

void TextModel::EnsureStarts(size_t upTo) const {
  size_t n = lines_.Count();
  if (upTo > n) upTo = n;
  if (starts_.size() < n) starts_.resize(n);
  if (startsValid_ == 0 && upTo > 0) {
    starts_[0] = 0;
    startsValid_ = 1;
  }
  while (startsValid_ < upTo) {
    size_t prev = startsValid_ - 1;
    starts_[startsValid_] = static_cast<uint32_t>(starts_[prev] + lines_.At(prev).size() + LineBreak.size());
    ++startsValid_;
  }
}

size_t TextModel::LineStart(size_t index) const {
  if (index >= lines_.Count()) return length_;  // the place after a final CR LF
  EnsureStarts(index + 1);
  return starts_[index];
}

size_t TextModel::LineOfPosition(size_t pos) const {
  size_t n = lines_.Count();
  if (pos >= length_) return n;
  EnsureStarts(n);
  auto it = std::upper_bound(starts_.begin(), starts_.begin() + static_cast<ptrdiff_t>(n), static_cast<uint32_t>(pos));
  return static_cast<size_t>(it - starts_.begin()) - 1;
}

bool TextModel::Append(std::string_view text) {
  size_t room = capacity_ > length_ ? capacity_ - length_ : 0;
  if (text.size() + LineBreak.size() > room) {
    caret_ = anchor_ = length_;
    return false;
  }
  // The new line starts at the old end: no start goes stale.
  if (startsValid_ == lines_.Count()) {
    starts_.push_back(static_cast<uint32_t>(length_));
    ++startsValid_;
  }
  lines_.Append(text);
  length_ += text.size() + LineBreak.size();
  caret_ = anchor_ = length_;
  return true;
}

void TextModel::ReplaceLine(ptrdiff_t index, std::string_view text) {
  if (index < 0 || static_cast<size_t>(index) >= lines_.Count()) return;
  size_t i = static_cast<size_t>(index);
  size_t oldSize = lines_.At(i).size();
  size_t room = capacity_ > length_ ? capacity_ - length_ : 0;
  if (text.size() > oldSize + room) text = text.substr(0, mbcs::WholeCharPrefix(text, oldSize + room));
  size_t start = LineStart(i);
  lines_.Replace(i, text);
  length_ = length_ - oldSize + text.size();
  if (text.size() != oldSize && startsValid_ > i + 1) startsValid_ = i + 1;
  caret_ = anchor_ = start + text.size();
}

void TextModel::Clear() {
  lines_.Clear();
  std::vector<uint32_t>().swap(starts_);
  startsValid_ = 0;
  length_ = 0;
  caret_ = anchor_ = 0;
}

void TextModel::WriteText(const std::function<void(std::string_view)>& sink) const {
  size_t n = lines_.Count();
  for (size_t i = 0; i < n; ++i) {
    sink(lines_.At(i));
    sink(LineBreak);
  }
}

std::string TextModel::Text() const {
  std::string text;
  text.reserve(length_);
  WriteText([&text](std::string_view piece) { text.append(piece); });
  return text;
}

void TextModel::CopyRange(size_t begin, size_t end, const std::function<void(std::string_view)>& sink) const {
  begin = Snap(begin);
  end = Snap(end);
  if (begin >= end) return;
  size_t n = lines_.Count();
  for (size_t i = LineOfPosition(begin); i < n; ++i) {
    size_t start = LineStart(i);
    if (start >= end) break;
    std::string_view line = lines_.At(i);
    size_t from = begin > start ? begin - start : 0;
    size_t to = std::min(line.size(), end - start);
    if (from < to) sink(line.substr(from, to - from));
    if (start + line.size() < end) sink(LineBreak);
  }
}

size_t TextModel::Snap(size_t pos) const {
  if (pos >= length_) return length_;
  size_t line = LineOfPosition(pos);
  size_t start = LineStart(line);
  std::string_view text = line < lines_.Count() ? lines_.At(line) : std::string_view();
  size_t offset = pos - start;
  if (offset >= text.size()) return start + text.size();  // inside CR LF: before it
  while (offset > 0 && !mbcs::IsBoundary(text, offset)) --offset;
  return start + offset;
}

size_t TextModel::NextPosition(size_t pos) const {
  pos = Snap(pos);
  if (pos >= length_) return length_;
  size_t line = LineOfPosition(pos);
  size_t start = LineStart(line);
  std::string_view text = lines_.At(line);
  size_t offset = pos - start;
  if (offset < text.size()) return pos + mbcs::CharLength(text, offset);
  return line + 1 < lines_.Count() ? LineStart(line + 1) : length_;
}

size_t TextModel::PreviousPosition(size_t pos) const {
  pos = Snap(pos);
  if (pos == 0) return 0;
  size_t line = LineOfPosition(pos);
  size_t start = LineStart(line);
  if (pos > start) return start + mbcs::PreviousCharStart(lines_.At(line), pos - start);
  return LineStart(line - 1) + LineLength(line - 1);
}
