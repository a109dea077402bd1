#pragma once

#include "chart_layout.h"
#include "point_list.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>
#include <QString>

class QPainter;

namespace quarnel {

// "Signal liaison (19200 bps)": drawn above the plot, and the chart's accessible name.
QString chartTitle();

// Arial 8 points at 96 dpi, given in pixels so that screen, image and printer draw it at the
// same size relative to the chart.
QFont chartFont();

// The chart laid out with its font's measures and the user's number separators.
ChartLayout layOutChartForPainting(QSize size, AxisRange bottom, AxisRange left,
                                   const PointList& points);

struct ChartColors {
    QColor panel; // button face
    QColor bevelLight;
    QColor bevelDark;
    QColor line;
};

// Draws the whole chart, panel included, in the layout's pixel units.
void paintChart(QPainter& painter, const ChartLayout& layout, const PointList& points,
                const ChartColors& colors);

} // namespace quarnel
