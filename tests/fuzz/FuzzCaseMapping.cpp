// The mapping keeps the byte length and never splits a double-byte character:
// every character of the result starts where one of the input starts.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/CaseMapping.h"
#include "core/Mbcs.h"

namespace {
// Code page 932's own mapping of what changes case: a to z, and the
// full-width letters (82 81-82 9A and 82 60-82 79); a call on a length that
// splits a character changes nothing, as the system's does.
void Upper(char* text, size_t length) {
  std::string_view view(text, length);
  if (mbcs::WholeCharPrefix(view, length) != length) return;
  for (size_t pos = 0; pos < length;) {
    size_t n = mbcs::CharLength(view, pos);
    unsigned char first = static_cast<unsigned char>(text[pos]);
    if (n == 1 && first >= 'a' && first <= 'z') text[pos] = static_cast<char>(first - 32);
    if (n == 2 && first == 0x82) {
      unsigned char second = static_cast<unsigned char>(text[pos + 1]);
      if (second >= 0x81 && second <= 0x9A) text[pos + 1] = static_cast<char>(second - 0x21);
    }
    pos += n;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string mapped = MapWholeCharacters(text, Upper);
  if (mapped.size() != text.size()) __builtin_trap();
  size_t a = 0, b = 0;
  while (a < text.size() && b < mapped.size()) {
    size_t na = mbcs::CharLength(text, a), nb = mbcs::CharLength(mapped, b);
    if (a != b || na != nb) __builtin_trap();  // a character split or merged
    a += na;
    b += nb;
  }
  // Mapping twice changes nothing more.
  if (MapWholeCharacters(mapped, Upper) != mapped) __builtin_trap();
  return 0;
}
