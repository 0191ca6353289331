#include "ErrorText.h"

#include "Mbcs.h"

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (message.empty()) return text;
  size_t last = 0;
  for (size_t pos = 0; pos < message.size(); pos += mbcs::CharLength(message, pos)) last = pos;
  if (static_cast<unsigned char>(message[last]) > static_cast<unsigned char>('.')) text += '.';
  return text;
}
