#pragma once
#include <functional>
#include <string>
#include <string_view>

// A copy of text converted over its full length by a mapping of whole
// characters in place. A lead byte left alone at the end is no whole
// character: the mapping gets what comes before it, and the byte stays.
std::string MapWholeCharacters(std::string_view text, const std::function<void(char*, size_t)>& mapInPlace);
