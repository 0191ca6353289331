#include "Mbcs.h"

namespace mbcs {
LeadByteTable LeadBytes;

void SetLeadBytes(const bool (&isLead)[256]) {
  for (int b = 0; b < 256; ++b) LeadBytes.lead[b] = isLead[b];
}

size_t WholeCharPrefix(std::string_view text, size_t limit) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t next = pos + CharLength(text, pos);
    if (next > limit) break;
    pos = next;
  }
  return pos;
}

size_t PreviousCharStart(std::string_view text, size_t pos) {
  // A trail byte can take a lead byte's value, so only a forward scan from a
  // known boundary tells where characters start. A byte that is no lead
  // always ends a character, so the scan starts after the last such byte.
  size_t start = pos - 1;
  while (start > 0 && IsLeadByte(static_cast<unsigned char>(text[start - 1]))) --start;
  size_t p = start;
  size_t last = start;
  while (p < pos) {
    last = p;
    p += CharLength(text, p);
  }
  return last;
}

bool IsBoundary(std::string_view text, size_t pos) {
  if (pos > text.size()) return false;
  size_t p = pos;
  while (p > 0 && IsLeadByte(static_cast<unsigned char>(text[p - 1]))) --p;
  while (p < pos) p += CharLength(text, p);
  return p == pos;
}

}  // namespace mbcs
