#include "qt_charts_picture.h"

#include "chart_painter.h"
#include "signal_chart.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace quarnel::bench {

namespace {

const QRectF kArea(QPointF(0, 0), SignalChart::kSize);

QValueAxis* makeAxis(const QString& title, double minimum, double maximum, int labels) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(chartFont());
    axis->setLabelsFont(chartFont());
    axis->setRange(minimum, maximum);
    // As many labels and grid lines as the chart draws: every 50 µs, every 2 V.
    axis->setTickCount(labels);
    axis->setMinorTickCount(3);
    axis->setLabelFormat(QStringLiteral("%g"));
    return axis;
}

} // namespace

QtChartsPicture::QtChartsPicture(const std::vector<TracePoint>& points) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Series1"));
    series->setPen(QPen(QColor(0, 0, 255), 1));
    for (const TracePoint& point : points)
        series->append(point.x, point.y);

    auto* chart = new QChart;
    chart->setTitle(chartTitle());
    chart->setTitleFont(chartFont());
    chart->setTitleBrush(QColor(0, 0, 255));
    chart->addSeries(series);
    QValueAxis* time = makeAxis(QStringLiteral("Temps (micro seconde)"), 0, 600, 13);
    QValueAxis* voltage = makeAxis(QStringLiteral("Tension (Volt)"), -10, 10, 11);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(voltage, Qt::AlignLeft);
    series->attachAxis(time);
    series->attachAxis(voltage);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(chartFont());
    chart->setGeometry(kArea);

    scene_.addItem(chart); // the scene owns the chart
    scene_.setSceneRect(kArea);
    // Qt Charts lays out through posted events: let it finish before anything is timed.
    QCoreApplication::processEvents();
}

void QtChartsPicture::render(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    scene_.render(&painter, kArea, kArea);
}

} // namespace quarnel::bench
