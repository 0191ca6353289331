#include "CaseMapping.h"

#include "Mbcs.h"

std::string MapWholeCharacters(std::string_view text, const std::function<void(char*, size_t)>& mapInPlace) {
  std::string copy(text);
  size_t whole = mbcs::WholeCharPrefix(copy, copy.size());
  if (whole > 0) mapInPlace(&copy[0], whole);
  return copy;
}
