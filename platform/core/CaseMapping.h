#pragma once
#include <functional>
#include <string>
#include <string_view>

// Text converted over its full length by a mapping of whole characters in
// place; taken by value, so a temporary is converted without a copy. A lead
// byte left alone at the end is no whole character: the mapping gets what
// comes before it, and the byte stays.
std::string MapWholeCharacters(std::string text, const std::function<void(char*, size_t)>& mapInPlace);
