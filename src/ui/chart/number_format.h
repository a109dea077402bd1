#pragma once

#include <string>

namespace quarnel {

// The user's separators, each possibly longer than one character (some locales group
// with a narrow no-break space).
struct NumberSeparators {
    std::u16string group;
    std::u16string decimal;
};

// The chart's "#,##0.###" format: thousands grouped, at most three decimals, no trailing
// zeros, at least one integer digit. 1234.5 -> "1 234,5" with French separators.
std::u16string formatNumber(double value, const NumberSeparators& separators);

} // namespace quarnel
