#include "axis_labels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarnel {

namespace {

// The sequence ends where doubles do: 1e-308 is the smallest power of ten held in full
// precision, and 2e308 would be infinite.
constexpr int kLowestExponent = -308;
constexpr int kHighestExponent = 308;

// One value of the sequence ..., 0.1, 0.2, 0.5, 1, 2, 5, 10, ... held as mantissa and power
// of ten, so that stepping along it never drifts.
struct OneTwoFive {
    int mantissaIndex;
    int exponent;

    double value() const {
        static constexpr std::array<double, 3> kMantissas = {1, 2, 5};
        // Dividing by a positive power keeps 0.1, 0.01... as close as the literals.
        const double decade =
            exponent >= 0 ? std::pow(10.0, exponent) : 1.0 / std::pow(10.0, -exponent);
        return kMantissas[static_cast<std::size_t>(mantissaIndex)] * decade;
    }

    bool isLast() const { return exponent >= kHighestExponent; }

    OneTwoFive next() const {
        return mantissaIndex == 2 ? OneTwoFive{0, exponent + 1}
                                  : OneTwoFive{mantissaIndex + 1, exponent};
    }
};

// The smallest sequence value strictly above `value`, kept within the sequence's ends: a step
// that underflowed to zero or overflowed to infinity still gets a usable value.
OneTwoFive firstAbove(double value) {
    if (!(value >= 1e-308))
        return {0, kLowestExponent};
    if (value >= 1e308)
        return {0, kHighestExponent};
    // Start a decade low: log10 can be off by one near powers of ten.
    const int exponent = static_cast<int>(std::floor(std::log10(value))) - 1;
    OneTwoFive step{0, std::max(exponent, kLowestExponent)};
    while (step.value() <= value && !step.isLast())
        step = step.next();
    return step;
}

// Keeps the label at a limit that is itself a multiple of the step despite rounding in the
// division (0.3 / 0.1 is 2.9999999999999996).
constexpr double kMultipleTolerance = 1e-9;

// Far more than any axis of a window can show; bounds the work for absurd ranges.
constexpr double kMaxLabels = 10000;

} // namespace

double middleSampleValue(AxisRange range) {
    double middle = (range.minimum + range.maximum) / 2;
    while (middle != 0 && std::isfinite(middle) && middle == std::trunc(middle))
        middle /= 2;
    return middle;
}

double labelExtent(AxisRange range, const NumberSeparators& separators,
                   const TextMeasure& measure) {
    const double widest = std::max({measure(formatNumber(range.minimum, separators)),
                                    measure(formatNumber(range.maximum, separators)),
                                    measure(formatNumber(middleSampleValue(range), separators))});
    return widest + std::round(widest * 0.1);
}

int labelCount(double axisLength, double extent) {
    // Written so that a length or extent that is not a number gives 1 as well.
    if (!(axisLength > 0) || !(extent > 0))
        return 1;
    // More labels than are ever drawn would only overflow the count.
    return static_cast<int>(std::lround(std::min(axisLength / extent, kMaxLabels)));
}

double labelStep(double span, int count, int pointCount) {
    if (span == 0)
        return 1;
    double step = span / (static_cast<double>(count) + 1);
    if (span >= 1.1 && pointCount <= count && step < 1)
        step = 1;
    // A range too wide for a double (from -1e308 to 1e308) divides into infinity: too many.
    const auto tooMany = [span, count](double candidate) {
        return !(std::round(span / candidate) <= count);
    };
    // The start value is rarely on the sequence; walk from the first value above it.
    if (tooMany(step) && step <= span) {
        OneTwoFive candidate = firstAbove(step);
        step = candidate.value();
        while (tooMany(step) && step <= span && !candidate.isLast()) {
            candidate = candidate.next();
            step = candidate.value();
        }
    }
    return step;
}

AxisLabels labelAxis(AxisRange range, double axisLength, int pointCount,
                     const NumberSeparators& separators, const TextMeasure& measure) {
    AxisLabels labels;
    if (!std::isfinite(range.minimum) || !std::isfinite(range.maximum) ||
        range.maximum < range.minimum)
        return labels;
    if (range.span() == 0) {
        labels.values.push_back(range.minimum);
        return labels;
    }
    const int count = labelCount(axisLength, labelExtent(range, separators, measure));
    labels.step = labelStep(range.span(), count, pointCount);

    const double first = std::ceil(range.minimum / labels.step - kMultipleTolerance);
    const double last = std::floor(range.maximum / labels.step + kMultipleTolerance);
    // Counted with an integer: far from zero, first + 1 can equal first as a double.
    const double total = std::min(last - first + 1, kMaxLabels);
    for (long long i = 0; i < static_cast<long long>(total); ++i) {
        const double value = (first + static_cast<double>(i)) * labels.step;
        // A step finer than the doubles there gives neighbours that round to one value: one
        // label for each value.
        if (labels.values.empty() || value > labels.values.back())
            labels.values.push_back(value);
    }
    for (std::size_t i = 1; i < labels.values.size(); ++i) {
        for (int quarter = 1; quarter <= 3; ++quarter)
            // Divided first: three times a step near the largest double would be infinite.
            labels.minorTicks.push_back(labels.values[i - 1] + labels.step / 4 * quarter);
    }
    return labels;
}

} // namespace quarnel
