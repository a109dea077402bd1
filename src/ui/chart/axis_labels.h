#pragma once

#include "axis_range.h"
#include "number_format.h"

#include <functional>
#include <string>
#include <vector>

namespace quarnel {

// The extent of a label along its axis in pixels: its width on a horizontal axis, its
// height on a vertical one.
using TextMeasure = std::function<double(const std::u16string&)>;

struct AxisLabels {
    double step = 1;
    std::vector<double> values;     // ascending; each has a tick and a grid line
    std::vector<double> minorTicks; // three between each pair of neighbouring labels
};

// The middle sample label: the midpoint of the range, halved while it is a whole number other
// than zero, so that its text has as many decimals as a label might (0..600 gives 37.5).
double middleSampleValue(AxisRange range);

// The room one label needs along the axis: the widest of the minimum, the maximum and the
// middle sample, plus 10 % separation, in whole pixels.
double labelExtent(AxisRange range, const NumberSeparators& separators, const TextMeasure& measure);

// How many labels fit: the axis length over the label extent, rounded, at most 10000; 1 when
// either is zero or not a number.
int labelCount(double axisLength, double extent);

// The 1-2-5 step that puts no more than `count` labels on the range. With a range of at least
// 1.1 and no more points than labels, the step is at least 1. A zero range has step 1.
double labelStep(double span, int count, int pointCount);

// Labels at every multiple of the step within the range; a zero range has one label, at its
// only value. A range with a limit that is not finite, or with its maximum below its minimum,
// has no labels.
AxisLabels labelAxis(AxisRange range, double axisLength, int pointCount,
                     const NumberSeparators& separators, const TextMeasure& measure);

} // namespace quarnel
