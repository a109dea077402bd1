#include "parity.h"

#include "error.h"

#include <cmath>

namespace quarnel {

std::optional<std::array<int, 8>> dataByteDigits(std::u16string_view binaryText) {
    if (binaryText.empty())
        return std::nullopt;
    std::array<int, 8> digits{};
    const std::size_t used = std::min<std::size_t>(binaryText.size(), digits.size());
    const std::size_t padding = digits.size() - used;
    for (std::size_t k = 0; k < used; ++k) {
        const char16_t c = binaryText[k];
        if (c < u'0' || c > u'9') {
            // A surrogate pair is named as the one character it is; a lone half alone.
            const bool pair = c >= 0xD800 && c <= 0xDBFF && k + 1 < binaryText.size() &&
                              binaryText[k + 1] >= 0xDC00 && binaryText[k + 1] <= 0xDFFF;
            throw ConversionError::notAnInteger(binaryText.substr(k, pair ? 2 : 1));
        }
        digits[padding + k] = c - u'0';
    }
    return digits;
}

std::optional<double> parite(std::u16string_view valeur) {
    const auto digits = dataByteDigits(valeur);
    if (!digits)
        return std::nullopt;
    int ones = 0;
    for (int digit : *digits)
        ones += digit == 1 ? 1 : 0;
    const double half = ones / 2.0;
    return half - std::trunc(half) == 0.0 ? 0.0 : 1.0;
}

} // namespace quarnel
