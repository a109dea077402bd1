#include "point_list.h"

#include <algorithm>

namespace quarnel {

int PointList::AddXY(double x, double y) {
    if (xs_.size() == xs_.capacity()) {
        const std::size_t held = xs_.capacity();
        const std::size_t wanted = std::max(held + kGrowthBlock, held + held / 2);
        const std::size_t blocks = (wanted + kGrowthBlock - 1) / kGrowthBlock;
        xs_.reserve(blocks * kGrowthBlock);
        ys_.reserve(blocks * kGrowthBlock);
    }
    // Walk back over every point with a greater x; a NaN x compares false and goes last.
    std::size_t at = xs_.size();
    while (at > 0 && xs_[at - 1] > x)
        --at;
    xs_.insert(xs_.begin() + static_cast<std::ptrdiff_t>(at), x);
    ys_.insert(ys_.begin() + static_cast<std::ptrdiff_t>(at), y);
    return static_cast<int>(at);
}

void PointList::Clear() {
    xs_.clear();
    ys_.clear();
}

} // namespace quarnel
