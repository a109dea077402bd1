#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quarnel {

// The data byte of a frame as a binary text gives it, read once for everything that shows it.
struct DataByte {
    // Most significant first: the text's first eight characters, or, for a shorter text, the
    // text padded on the left with "0" (a one-digit code stands for the low bits). Digits
    // other than 0 and 1 are kept as read; only a 1 is a set bit.
    std::array<int, 8> digits;
    // The byte the set bits make, 0 to 255.
    int value;
    // The even-parity bit: 1 when the byte holds an odd number of set bits, else 0.
    int parityBit;
};

// An empty text holds no byte. Nothing beyond the eighth character is read. Throws
// ConversionError for a character that is not a decimal digit.
std::optional<DataByte> dataByte(std::u16string_view binaryText);

// The parity bit of the data byte, as the window's "Parité" field shows it.
std::optional<double> parite(std::u16string_view valeur);

} // namespace quarnel
