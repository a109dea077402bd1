#pragma once

#include <QRect>
#include <QSize>

namespace quarnel {

// Page margins, each in percent of the printable width (left, right) or height (top, bottom).
struct PrintMargins {
    double left;
    double top;
    double right;
    double bottom;
};

// The rectangle, in the printable area's device pixels, that the margins leave of a printable
// area of `printable` pixels. Each margin is its percentage of the width or height rounded to
// the nearest pixel, halves away from zero. Margins that together exceed the area leave an
// empty rectangle rather than one of negative size, which would mirror the picture.
QRect printTargetRect(QSize printable, const PrintMargins& margins);

} // namespace quarnel
