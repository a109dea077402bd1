#pragma once

#include <charconv>
#include <string>
#include <system_error>

namespace quarnel::frame {

// Numbers written with std::to_chars: never through the C locale, which Qt sets from the
// environment and which would put a decimal comma into machine-read files.
inline std::string shortestNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

template <typename Integer> std::string integerText(Integer value) {
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

} // namespace quarnel::frame
