#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quarnel {

// The eight digits of the data byte held by a binary text, most significant first: its
// first eight characters, or, for a shorter text, the text padded on the left with "0"
// (a one-digit code stands for the low bits). An empty text holds no byte. Nothing
// beyond the text is read. Throws ConversionError for a character that is not a
// decimal digit.
std::optional<std::array<int, 8>> dataByteDigits(std::u16string_view binaryText);

// The even-parity bit of the data byte: 1 when it holds an odd number of "1", else 0.
std::optional<double> parite(std::u16string_view valeur);

} // namespace quarnel
