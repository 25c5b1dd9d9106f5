#pragma once

#include <string_view>

namespace mailfolder::platform {

/// The byte with 'A'..'Z' turned into 'a'..'z'; every other byte as it is, whatever the locale.
constexpr char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

/// True when the two names are equal but for ASCII letter case, as Windows compares file names.
constexpr bool equal_ignoring_ascii_case(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    }
    return true;
}

/// True when `name` ends in `suffix`, ASCII letter case aside.
constexpr bool ends_with_ignoring_ascii_case(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() && equal_ignoring_ascii_case(name.substr(name.size() - suffix.size()), suffix);
}

} // namespace mailfolder::platform
