#include "point_list.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

int PointList::AddXY(double x, double y) {
    // The place is after every point, counted from the end, whose x is not greater; a NaN x
    // compares false with everything and goes last.
    std::size_t at = xs_.size();
    if (at > 0 && xs_[at - 1] > x) {
        if (ordered_) {
            // Sorted: the same place, found by halving instead of walking over every point
            // of the traces merged so far.
            at =
                static_cast<std::size_t>(std::upper_bound(xs_.begin(), xs_.end(), x) - xs_.begin());
        } else {
            while (at > 0 && xs_[at - 1] > x)
                --at;
        }
    }
    ordered_ = ordered_ && !std::isnan(x);
    xs_.insert(xs_.begin() + static_cast<std::ptrdiff_t>(at), x);
    ys_.insert(ys_.begin() + static_cast<std::ptrdiff_t>(at), y);
    return static_cast<int>(at);
}

void PointList::Clear() {
    xs_.clear();
    ys_.clear();
    ordered_ = true;
}

} // namespace quarnel
