#pragma once

#include "point_list.h"

#include <QColor>
#include <functional>

namespace quarnel {

// The chart's one series: its points and the colour of its line. Every change calls the
// changed handler, which only marks the chart out of date.
class LineSeries {
public:
    LineSeries();

    // Inserts the point at its place by x (after any points with the same x) and returns
    // the index where it now stands.
    int AddXY(double x, double y);
    void Clear();
    int Count() const { return points_.Count(); }
    double XValue(int index) const { return points_.XValue(index); }
    double YValue(int index) const { return points_.YValue(index); }
    const PointList& Points() const { return points_; }

    // The colour of the line and of the legend's symbols.
    QColor LinePenColor() const { return linePenColor_; }
    void SetLinePenColor(QColor color);
    // The series' own colour. Nothing drawn depends on it once the line has a colour.
    QColor SeriesColor() const { return seriesColor_; }

    void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void notifyChanged() const;

    PointList points_;
    QColor seriesColor_;
    QColor linePenColor_;
    std::function<void()> changed_;
};

} // namespace quarnel
