// UTF-16 surrogates: a character outside the basic plane is two code units, a high half then
// a low half. Error messages name such a character whole, and a lone half alone.
#pragma once

#include <cstddef>
#include <string_view>

namespace quarnel {

constexpr bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

constexpr bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code point of a high half followed by a low half.
constexpr char32_t surrogatePairCodePoint(char16_t high, char16_t low) {
    return 0x10000 + ((char32_t(high) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
}

// The whole character that begins at index i of the text.
constexpr std::u16string_view characterStartingAt(std::u16string_view text, std::size_t i) {
    const bool pair =
        isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]);
    return text.substr(i, pair ? 2 : 1);
}

// The whole character that ends at index i of the text.
constexpr std::u16string_view characterEndingAt(std::u16string_view text, std::size_t i) {
    const bool pair = isLowSurrogate(text[i]) && i > 0 && isHighSurrogate(text[i - 1]);
    return pair ? text.substr(i - 1, 2) : text.substr(i, 1);
}

} // namespace quarnel
