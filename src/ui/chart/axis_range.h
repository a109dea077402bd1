#pragma once

namespace quarnel {

// The limits of one axis in data units. The maximum is never below the minimum.
struct AxisRange {
    double minimum = 0;
    double maximum = 0;

    double span() const { return maximum - minimum; }
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

} // namespace quarnel
