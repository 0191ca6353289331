// The shown list's operations agree with each other over any sequence:
// count, line i, append, replace, clear and the whole text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/TextModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TextModel text;
  std::vector<std::string> expected;
  size_t capacity = TextModel::MaxCapacity;
  size_t pos = 0;
  auto next = [&]() -> uint8_t { return pos < size ? data[pos++] : 0; };
  auto piece = [&]() {
    size_t length = next() % 24;
    std::string s;
    for (size_t i = 0; i < length && pos < size; ++i) {
      char c = static_cast<char>(next());
      if (c == '\r' || c == '\n') c = 'x';  // lines hold no breaks of their own
      s.push_back(c);
    }
    return s;
  };
  size_t length = 0;
  while (pos < size) {
    switch (next() % 5) {
      case 0:
      case 1: {
        std::string line = piece();
        bool fits = length + line.size() + 2 <= capacity;
        if (text.Append(line) != fits) __builtin_trap();
        if (fits) {
          expected.push_back(line);
          length += line.size() + 2;
        }
        break;
      }
      case 2: {
        if (expected.empty()) break;
        size_t i = next() % expected.size();
        std::string line = piece();
        if (length - expected[i].size() + line.size() > capacity) break;  // cut to fit: not modelled here
        text.ReplaceLine(static_cast<ptrdiff_t>(i), line);
        length = length - expected[i].size() + line.size();
        expected[i] = line;
        break;
      }
      case 3:
        if (next() % 8 == 0) {
          text.Clear();
          expected.clear();
          length = 0;
        }
        break;
      case 4:
        capacity = length + next() * 4;
        text.SetCapacity(capacity);
        break;
    }
  }
  if (text.LineCount() != expected.size()) __builtin_trap();
  std::string whole;
  for (size_t i = 0; i < expected.size(); ++i) {
    if (text.Line(i) != expected[i]) __builtin_trap();
    if (text.LineStart(i) != whole.size()) __builtin_trap();
    whole += expected[i] + "\r\n";
  }
  if (text.Text() != whole || text.Length() != whole.size()) __builtin_trap();
  for (size_t p = 0; p <= whole.size(); p = text.NextPosition(p)) {
    if (text.Snap(p) != p) __builtin_trap();
    if (p == whole.size()) break;
  }
  return 0;
}
