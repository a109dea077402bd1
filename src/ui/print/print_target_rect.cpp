#include "print_target_rect.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {

// percent * size / 100 rather than size * (percent / 100): 13 % of 50 must be exactly 6.5,
// so that it rounds up, and 0.13 has no exact binary value.
int percentOf(int size, double percent) {
    return static_cast<int>(std::lround(percent * size / 100.0));
}

} // namespace

QRect printTargetRect(QSize printable, const PrintMargins& margins) {
    const int left = percentOf(printable.width(), margins.left);
    const int top = percentOf(printable.height(), margins.top);
    const int right = percentOf(printable.width(), margins.right);
    const int bottom = percentOf(printable.height(), margins.bottom);
    return QRect(left, top, std::max(0, printable.width() - left - right),
                 std::max(0, printable.height() - top - bottom));
}

} // namespace quarnel
