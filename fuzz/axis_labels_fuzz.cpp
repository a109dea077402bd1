// The axis labelling on any limits, axis length, point count, separators and text measure.
//
// Input: minimum and maximum (any doubles), axis length (any double), point count (32 bits),
// a measure kind and its three values, then the group and decimal separators, each a length
// byte (0 to 3) and its text (see ByteReader).
#include "axis_labels.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>

using namespace quarnel;
using namespace quarnel::fuzz;

namespace {

// What the labelling promises whatever it is given: far fewer labels than an axis could ever
// need, three minor ticks between neighbours.
constexpr std::size_t kMostLabels = 10000;

TextMeasure anyMeasure(ByteReader& input) {
    const int kind = input.byte() % 3;
    const double a = input.anyDouble();
    const double b = input.anyDouble();
    const double c = input.anyDouble();
    switch (kind) {
    case 0: // every text alike
        return [a](const std::u16string&) { return a; };
    case 1: // proportional to the length, as a real font roughly is
        return [a, b](const std::u16string& text) { return a * double(text.size()) + b; };
    default: // unrelated values for texts of different lengths
        return [a, b, c](const std::u16string& text) {
            const double values[] = {a, b, c};
            return values[text.size() % 3];
        };
    }
}

std::u16string separator(ByteReader& input) {
    return input.text(input.byte() % 4);
}

void checkLabels(AxisRange range, const AxisLabels& labels) {
    FUZZ_CHECK(labels.values.size() <= kMostLabels);
    FUZZ_CHECK(labels.minorTicks.size() ==
               (labels.values.empty() ? 0 : 3 * (labels.values.size() - 1)));
    if (!std::isfinite(range.minimum) || !std::isfinite(range.maximum) ||
        range.maximum < range.minimum) {
        FUZZ_CHECK(labels.values.empty());
        return;
    }
    if (range.minimum == range.maximum) {
        FUZZ_CHECK(labels.values.size() == 1 && labels.values.front() == range.minimum);
        return;
    }
    // A label stands on the axis, in order, at a multiple of the step.
    FUZZ_CHECK(std::isfinite(labels.step) && labels.step > 0);
    const double magnitude = std::max(std::abs(range.minimum), std::abs(range.maximum));
    const double tolerance = labels.step * 1e-6 + magnitude * 1e-12;
    for (std::size_t i = 0; i < labels.values.size(); ++i) {
        const double value = labels.values[i];
        FUZZ_CHECK(std::isfinite(value));
        FUZZ_CHECK(value >= range.minimum - tolerance && value <= range.maximum + tolerance);
        if (i > 0)
            FUZZ_CHECK(labels.values[i - 1] < value);
    }
    for (double tick : labels.minorTicks)
        FUZZ_CHECK(std::isfinite(tick));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const AxisRange range{input.anyDouble(), input.anyDouble()};
    const double axisLength = input.anyDouble();
    const auto pointCount = static_cast<int>(input.unsignedValue<std::uint32_t>());
    const TextMeasure measure = anyMeasure(input);
    NumberSeparators separators;
    separators.group = separator(input);
    separators.decimal = separator(input);

    checkLabels(range, labelAxis(range, axisLength, pointCount, separators, measure));
    return 0;
}
