#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// The four-character binary writing of each hexadecimal digit, most significant bit first.
extern const std::array<std::u16string_view, 16> BCD;

// The code unit of the first character of the letter text; an empty text has none.
std::optional<std::int32_t> characterCode(std::u16string_view letterText);

// Upper-case hexadecimal, no prefix, at least minDigits digits (a negative code is
// written as its 32-bit two's complement).
std::u16string hexText(std::int32_t code, int minDigits = 1);

// The binary text of a hexadecimal text: four characters per digit, in the digits' order.
// Throws ConversionError naming "$" and the last character that is not a hexadecimal digit.
std::u16string HexToBinStr(std::u16string_view Hexa);

} // namespace quarnel
