#include "line_geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quarnel {

namespace {

// The first index whose x is at least `limit`, or the size when there is none.
int firstAtOrAfter(std::span<const double> xs, double limit) {
    const auto it = std::find_if(xs.begin(), xs.end(), [limit](double x) { return x >= limit; });
    return static_cast<int>(it - xs.begin());
}

struct Segment {
    PixelPoint from;
    PixelPoint to;
};

// Liang-Barsky: the part of the segment inside the box, if any.
std::optional<Segment> clipSegment(PixelPoint a, PixelPoint b, ClipBox box) {
    // A point without a place (a value that is not a number) breaks the line.
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return std::nullopt;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0;
    double leave = 1;
    // Each edge as p * t <= q.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0) {
            if (q[edge] < 0)
                return std::nullopt; // parallel to this edge and outside it
            continue;
        }
        const double t = q[edge] / p[edge];
        if (p[edge] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return std::nullopt;
    return Segment{{a.x + enter * dx, a.y + enter * dy}, {a.x + leave * dx, a.y + leave * dy}};
}

} // namespace

DrawnPart drawnPart(std::span<const double> xs, AxisRange bottom) {
    const int count = static_cast<int>(xs.size());
    if (count == 0)
        return {};
    if (bottom.span() == 0)
        return {0, count - 1};
    const int firstInside = firstAtOrAfter(xs, bottom.minimum);
    const int first = firstInside == count ? count - 1 : std::max(firstInside - 1, 0);
    const int last = std::min(firstAtOrAfter(xs, bottom.maximum), count - 1);
    return {first, last};
}

std::vector<std::vector<PixelPoint>> clipPolyline(std::span<const PixelPoint> points, ClipBox box) {
    std::vector<std::vector<PixelPoint>> pieces;
    bool continuing = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto inside = clipSegment(points[i - 1], points[i], box);
        if (!inside) {
            continuing = false;
            continue;
        }
        // A segment whose start was cut off begins a new piece.
        if (!continuing || !(inside->from == points[i - 1]))
            pieces.push_back({inside->from});
        pieces.back().push_back(inside->to);
        continuing = inside->to == points[i];
    }
    return pieces;
}

} // namespace quarnel
