#include "picture_probe.h"

#include <cstdlib>

namespace quarnel::resources::probe {

bool near(const QColor& actual, const QColor& expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

bool isFullyOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 255)
                return false;
    return true;
}

bool isDark(const QColor& colour) {
    return qGray(colour.rgb()) < 100;
}

static bool columnHasDark(const QImage& image, int x, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (isDark(image.pixelColor(x, y)))
            return true;
    return false;
}

int leftmostDarkColumn(const QImage& image, const QRect& area) {
    for (int x = area.left(); x <= area.right(); ++x)
        if (columnHasDark(image, x, area))
            return x;
    return -1;
}

int rightmostDarkColumn(const QImage& image, const QRect& area) {
    for (int x = area.right(); x >= area.left(); --x)
        if (columnHasDark(image, x, area))
            return x;
    return -1;
}

int countNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(image.pixelColor(x, y), colour, tolerance))
                ++count;
    return count;
}

} // namespace quarnel::resources::probe
