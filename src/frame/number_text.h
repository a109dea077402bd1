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

// "0x62", or "0x1FF" when a value has more than 8 bits: how handouts and verdicts write a code.
inline std::string frameCode(unsigned value, int dataBits) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = dataBits > 8 ? "0x000" : "0x00";
    for (std::size_t i = text.size(); i-- > 2; value >>= 4)
        text[i] = digits[value & 0xF];
    return text;
}

} // namespace quarnel::frame
