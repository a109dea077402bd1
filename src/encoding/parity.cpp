#include "parity.h"

#include "error.h"
#include "utf16.h"

#include <cmath>

namespace quarnel {

std::optional<DataByte> dataByte(std::u16string_view binaryText) {
    if (binaryText.empty())
        return std::nullopt;
    DataByte byte{};
    const std::size_t used = std::min<std::size_t>(binaryText.size(), byte.digits.size());
    const std::size_t padding = byte.digits.size() - used;
    for (std::size_t k = 0; k < used; ++k) {
        const char16_t c = binaryText[k];
        if (c < u'0' || c > u'9')
            throw ConversionError::notAnInteger(characterStartingAt(binaryText, k));
        byte.digits[padding + k] = c - u'0';
    }
    int ones = 0;
    for (int digit : byte.digits) {
        const int bit = digit == 1 ? 1 : 0;
        byte.value = byte.value * 2 + bit;
        ones += bit;
    }
    // Half the count of ones has a fraction exactly when the count is odd.
    const double half = ones / 2.0;
    byte.parityBit = half - std::trunc(half) == 0.0 ? 0 : 1;
    return byte;
}

std::optional<double> parite(std::u16string_view valeur) {
    const auto byte = dataByte(valeur);
    if (!byte)
        return std::nullopt;
    return byte->parityBit;
}

} // namespace quarnel
