// Helpers shared by the chart's widget tests.
#pragma once

#include "chart_layout.h"
#include "frame_trace.h"
#include "signal_chart.h"

#include <QColor>
#include <QImage>
#include <cmath>
#include <cstdlib>

namespace quarnel::test {

inline const QColor kOlive(128, 128, 0);
inline const QColor kBlue(0, 0, 255);

// Appends the send trace of "c" (binary 01100011), as "Envoyer" does.
inline void appendSendTrace(SignalChart& chart) {
    const auto trace = sendTrace(u"01100011");
    for (const TracePoint& p : *trace)
        chart.Series1().AddXY(p.x, p.y);
}

inline bool near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether a pixel of the given colour lies within `radius` pixels of (x, y). An antialiased
// line can fall between two rows or columns and share its colour out between them.
inline bool colorNear(const QImage& image, int x, int y, QColor color, int radius = 1,
                      int tolerance = 40) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) &&
                near(image.pixelColor(x + dx, y + dy), color, tolerance))
                return true;
    return false;
}

// How many pixels of a colour a rectangle holds.
inline int countColor(const QImage& image, const PixelRect& area, QColor color, int tolerance) {
    int count = 0;
    for (int y = area.top; y <= area.bottom(); ++y)
        for (int x = area.left; x <= area.right(); ++x)
            if (image.valid(x, y) && near(image.pixelColor(x, y), color, tolerance))
                ++count;
    return count;
}

// The pixel column or row where a value lands.
inline int pixelOf(const AxisMapping& mapping, double value) {
    return static_cast<int>(std::floor(mapping.toPixel(value)));
}

} // namespace quarnel::test
