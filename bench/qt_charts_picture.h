#pragma once

#include "frame_trace.h"

#include <QGraphicsScene>
#include <vector>

class QPainter;

namespace quarnel::bench {

// The yardstick for the chart's repaint: the same picture drawn by Qt Charts, 657 x 250 -
// a line series of the trace's points, a title, two titled value axes with their grid, and
// a legend - laid out once and then drawn in full at each render.
class QtChartsPicture {
public:
    explicit QtChartsPicture(const std::vector<TracePoint>& points);

    void render(QPainter& painter);

private:
    QGraphicsScene scene_;
};

} // namespace quarnel::bench
