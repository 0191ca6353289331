#include "Strings.h"

#include <cstdio>

#include "Exceptions.h"
#include "PlatformTexts.h"

void TStrings::WriteText(const std::function<void(std::string_view)>& sink) const {
  for (int i = 0, n = Count(); i < n; ++i) {
    sink(Get(i));
    sink("\r\n");
  }
}

std::string TStrings::Text() const {
  std::string text;
  WriteText([&text](std::string_view piece) { text.append(piece); });
  return text;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    char message[128];
    std::snprintf(message, sizeof message, PlatformTexts::ListIndexError, index);
    throw EStringListError(message);
  }
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return std::string(lines_.At(static_cast<size_t>(index)));
}

void TStringList::Put(int index, const std::string& text) {
  CheckIndex(index);
  lines_.Replace(static_cast<size_t>(index), text);
}
