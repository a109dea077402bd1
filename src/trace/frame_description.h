#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// The drawn frame in French words, for a screen reader: the character and its code, then
// the bits in the order they are sent (start bit, data bits 0 to 7, parity, stop) with their
// levels. Empty for an empty binary text. Throws ConversionError as the traces do.
std::u16string frameDescription(std::u16string_view binaryText);

} // namespace quarnel
