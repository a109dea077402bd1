#pragma once

#include "axis_range.h"

namespace quarnel {

// Linear map between an axis's values and pixel coordinates. Pixel coordinates are
// continuous: pixel column c covers [c, c + 1), so its centre is c + 0.5. A vertical axis
// has its maximum above its minimum, so there maximumPixel < minimumPixel.
struct AxisMapping {
    AxisRange range;
    double minimumPixel = 0;
    double maximumPixel = 0;

    // A zero range maps every value to the middle of the axis.
    double toPixel(double value) const {
        if (range.span() == 0)
            return (minimumPixel + maximumPixel) / 2;
        return minimumPixel +
               (value - range.minimum) / range.span() * (maximumPixel - minimumPixel);
    }

    // The inverse of toPixel; with a zero range every pixel stands for the one value.
    double toValue(double pixel) const {
        if (range.span() == 0 || maximumPixel == minimumPixel)
            return range.minimum;
        return range.minimum +
               (pixel - minimumPixel) / (maximumPixel - minimumPixel) * range.span();
    }

    // Value units per pixel, signed as pixels run (negative on a vertical axis).
    double valuePerPixel() const {
        if (maximumPixel == minimumPixel)
            return 0;
        return range.span() / (maximumPixel - minimumPixel);
    }
};

} // namespace quarnel
