// Helpers shared by the chart's widget tests.
#pragma once

#include "chart_layout.h"
#include "frame_trace.h"
#include "signal_chart.h"

#include <QColor>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <vector>

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

// Where a value lands, read off the picture rather than worked out by the mapping under test:
// the silver grid lines stand at the axis's labelled values, and a value lies the same share
// of the way between the two grid lines around it (or the two nearest) as between their values.
class DrawnGrid {
public:
    DrawnGrid(const QImage& image, const ChartLayout& layout) : layout_(layout) {
        const PixelRect& plot = layout.plot;
        // Along the row just inside the plot's top and the column just inside its left edge,
        // only grid lines are silver: the line is another colour, and its levels (-5 and +5 V)
        // are on no grid row.
        for (int x = plot.left; x <= plot.right(); ++x)
            if (isGrid(image.pixelColor(x, plot.top + 1)))
                columns_.push_back(x);
        for (int y = plot.top; y <= plot.bottom(); ++y)
            if (isGrid(image.pixelColor(plot.left + 1, y)))
                rows_.push_back(y);
    }

    // Whether one grid line was found for each labelled value, on both axes.
    bool matchesTheLabels() const {
        return columns_.size() == layout_.bottomMarks.size() &&
               rows_.size() == layout_.leftMarks.size() && columns_.size() >= 2 &&
               rows_.size() >= 2;
    }

    int column(double time) const { return place(time, layout_.bottomMarks, columns_); }
    // Rows grow downwards, the marks upwards: the rows are matched to the marks in reverse.
    int row(double volts) const {
        return place(volts, layout_.leftMarks, std::vector<int>(rows_.rbegin(), rows_.rend()));
    }
    QPoint point(double time, double volts) const { return {column(time), row(volts)}; }

private:
    static bool isGrid(QColor c) { return c.red() == 192 && c.green() == 192 && c.blue() == 192; }

    static int place(double value, const std::vector<AxisMark>& marks,
                     const std::vector<int>& pixels) {
        std::size_t upper = 1;
        while (upper + 1 < marks.size() && marks[upper].value < value)
            ++upper;
        const double v0 = marks[upper - 1].value, v1 = marks[upper].value;
        const double share = (value - v0) / (v1 - v0);
        return static_cast<int>(
            std::lround(pixels[upper - 1] + share * (pixels[upper] - pixels[upper - 1])));
    }

    const ChartLayout& layout_;
    std::vector<int> columns_;
    std::vector<int> rows_;
};

} // namespace quarnel::test
