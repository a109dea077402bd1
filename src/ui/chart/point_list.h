#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace quarnel {

// The points of a line series, kept in order of x. Among points with equal x the order is
// the order of appending, so a second trace merges after the first at every shared x.
class PointList {
public:
    // Storage grows as std::vector's does, and clearing keeps it for the next trace.

    // Inserts (x, y) after every point whose x is <= x and returns the index where it stands.
    // Appending in order of x, as every trace does, stops the search at once.
    int AddXY(double x, double y);
    void Clear();

    int Count() const { return static_cast<int>(xs_.size()); }
    double XValue(int index) const { return xs_.at(static_cast<std::size_t>(index)); }
    double YValue(int index) const { return ys_.at(static_cast<std::size_t>(index)); }
    std::span<const double> XValues() const { return xs_; }
    std::span<const double> YValues() const { return ys_; }
    std::size_t Capacity() const { return xs_.capacity(); }

private:
    std::vector<double> xs_;
    std::vector<double> ys_;
    // No NaN x has been appended since the last clear, so the x values are sorted.
    bool ordered_ = true;
};

} // namespace quarnel
