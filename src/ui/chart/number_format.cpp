#include "number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quarnel {

std::u16string formatNumber(double value, const NumberSeparators& separators) {
    if (std::isnan(value))
        return u"NaN";
    if (std::isinf(value))
        return value < 0 ? u"-\u221E" : u"\u221E";

    // Fixed notation of the largest double has 309 integer digits.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 3);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string_view integerDigits = text.substr(0, point);
    std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.remove_suffix(1);
    // -0.0001 rounds to zero, which has no sign.
    if (decimals.empty() && integerDigits.find_first_not_of('0') == std::string_view::npos)
        negative = false;

    std::u16string out;
    if (negative)
        out += u'-';
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0)
            out += separators.group;
        out += static_cast<char16_t>(integerDigits[i]);
    }
    if (!decimals.empty()) {
        out += separators.decimal;
        for (char digit : decimals)
            out += static_cast<char16_t>(digit);
    }
    return out;
}

} // namespace quarnel
