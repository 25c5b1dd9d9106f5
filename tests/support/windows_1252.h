#pragma once

#include <optional>
#include <string>

namespace mailfolder::testing {

// Windows-1252 as the WHATWG Encoding Standard reads it, written out apart from the tool's
// encoder so that tests can hold one to the other.

/// The code point the byte stands for: 0x80-0x9F from the standard's index (the five bytes it
/// leaves undefined as the C1 control of the same number), every other byte its own value.
char32_t windows_1252_code_point(unsigned char byte);

/// The bytes whose windows-1252 reading is the UTF-8 text `utf8`; nothing when a code point has
/// no byte or the text is not UTF-8.
std::optional<std::string> windows_1252_bytes(std::string const& utf8);

} // namespace mailfolder::testing
