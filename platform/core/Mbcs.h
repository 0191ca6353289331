#pragma once
// Double-byte character rules of the system's ANSI code page.
// Text is bytes; a lead byte followed by another byte forms one character.
#include <cstddef>
#include <string_view>

namespace mbcs {

// The lead-byte set starts as code page 932's; the system layer replaces it
// with the running system's own set at start-up.
void SetLeadBytes(const bool (&isLead)[256]);

struct LeadByteTable {
  bool lead[256];
  // Code page 932 (Shift_JIS): 0x81-0x9F and 0xE0-0xFC lead a second byte.
  constexpr LeadByteTable() : lead() {
    for (int b = 0; b < 256; ++b) lead[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  }
};
extern LeadByteTable LeadBytes;  // set up before any code runs: no start-up order to mind

inline bool IsLeadByte(unsigned char byte) { return LeadBytes.lead[byte]; }

// Length in bytes (1 or 2) of the character that starts at pos.
// A lead byte with nothing after it stands alone.
inline size_t CharLength(std::string_view text, size_t pos) {
  return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// Start of the character that ends just before pos (pos > 0 and on a boundary).
size_t PreviousCharStart(std::string_view text, size_t pos);

// Largest boundary not above limit, counting whole characters from the start.
size_t WholeCharPrefix(std::string_view text, size_t limit);

// True when pos falls between characters, not inside one.
bool IsBoundary(std::string_view text, size_t pos);

}  // namespace mbcs
