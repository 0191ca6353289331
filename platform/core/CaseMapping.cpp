#include "CaseMapping.h"

#include "Mbcs.h"

std::string MapWholeCharacters(std::string text, const std::function<void(char*, size_t)>& mapInPlace) {
  size_t whole = mbcs::WholeCharPrefix(text, text.size());
  if (whole > 0) mapInPlace(&text[0], whole);
  return text;
}
