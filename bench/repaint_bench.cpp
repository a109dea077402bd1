// One full repaint of the signal chart showing the send trace of "c", 657 x 250,
// antialiased, into an image like the window's backing store; and the same picture drawn by
// Qt Charts, in the same run.
#include "frame_trace.h"
#include "qt_charts_picture.h"
#include "signal_chart.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

std::vector<quarnel::TracePoint> letterCTrace() {
    return *quarnel::sendTrace(u"01100011");
}

// Draws once before timing, so that fonts and glyphs are loaded in both cases.
template <typename Picture> void timeRepaints(benchmark::State& state, Picture& picture) {
    QImage image(quarnel::SignalChart::kSize, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        picture.render(painter);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        picture.render(painter);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void BM_SignalChartRepaint(benchmark::State& state) {
    quarnel::SignalChart chart;
    chart.Series1().SetLinePenColor(QColor(0, 0, 255));
    for (const quarnel::TracePoint& point : letterCTrace())
        chart.Series1().AddXY(point.x, point.y);
    timeRepaints(state, chart);
}

void BM_QtChartsRepaint(benchmark::State& state) {
    quarnel::bench::QtChartsPicture picture(letterCTrace());
    timeRepaints(state, picture);
}

BENCHMARK(BM_SignalChartRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtChartsRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
