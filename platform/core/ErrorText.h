#pragma once
#include <string>
#include <string_view>

// The error box's text: the message, with a full stop added when it is not
// empty and its last character's first byte lies above that of ".".
std::string ErrorBoxText(std::string_view message);
