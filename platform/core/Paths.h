#pragma once
// Path pieces, by the double-byte rule of the system's code page.
#include <string>
#include <string_view>

// The part after the last backslash or colon; the whole path when there is none.
std::string ExtractFileName(std::string_view path);
// The path up to and including its last backslash or colon; empty when there is none.
std::string ExtractFilePath(std::string_view path);
