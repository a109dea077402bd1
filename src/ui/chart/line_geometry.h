#pragma once

#include "axis_range.h"

#include <span>
#include <vector>

namespace quarnel {

// Indices of the first and last point of the drawn part of a series, both included.
struct DrawnPart {
    int first = 0;
    int last = -1;

    // A line needs two points.
    bool drawsNothing() const { return last <= first; }
    friend bool operator==(const DrawnPart&, const DrawnPart&) = default;
};

// The points worth drawing along the time axis: from the last point before the first one at
// or after the axis minimum, to the first point at or after the maximum, so that the
// segments crossing either limit are drawn up to it. With a zero range every value sits at
// the axis middle and nothing can be told apart, so every point is drawn.
DrawnPart drawnPart(std::span<const double> xs, AxisRange bottom);

struct PixelPoint {
    double x;
    double y;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The area a line may cover, in continuous pixel coordinates.
struct ClipBox {
    double left;
    double top;
    double right;
    double bottom;
};

// The polyline cut at the box's edges: the connected pieces that lie inside it. Cutting here
// rather than leaving it all to the painter keeps coordinates small when an axis range is
// tiny and points map millions of pixels away.
std::vector<std::vector<PixelPoint>> clipPolyline(std::span<const PixelPoint> points, ClipBox box);

} // namespace quarnel
