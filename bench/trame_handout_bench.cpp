// quarnel-trame's handout of the 23 letters a-w as SVG, PDF and PNG, and a sheet of 40
// exercises, against the window's own chart drawing one frame, in the same run.
#include "exercise_sheet.h"
#include "frame_trace.h"
#include "handout_files.h"
#include "signal_chart.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

quarnel::trame::HandoutContent lettersAtoW() {
    using namespace quarnel;
    trame::HandoutContent content;
    content.title = QStringLiteral("« abcdefghijklmnopqrstuvw »");
    content.formatLine = QString::fromStdString(frame::describe(content.format));
    content.levels = QString::fromStdString(frame::describeLevels(content.format.levels));
    std::vector<std::uint16_t> values;
    for (char letter = 'a'; letter <= 'w'; ++letter) {
        values.push_back(static_cast<std::uint16_t>(letter));
        content.frameLabels << QStringLiteral("« %1 » 0x%2").arg(QLatin1Char(letter)).arg(int(letter), 2, 16);
    }
    frame::forEachPlacedBit(values, content.format, frame::LineTiming{},
                            [&](const frame::PlacedBit& placed) { content.cells.push_back(placed); });
    return content;
}

template <void (*Write)(const quarnel::trame::HandoutContent&, QIODevice&)>
void BM_Handout(benchmark::State& state) {
    const auto content = lettersAtoW();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        Write(content, buffer);
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

// Forty exercises in three formats: fourteen pages of exercises and six of answers.
void BM_ExerciseSheet40(benchmark::State& state) {
    quarnel::trame::ExerciseRequest request;
    request.count = 40;
    request.seed = 2026;
    for (const auto& [dataBits, parity] : {std::pair{8, quarnel::frame::Parity::Even},
                                          std::pair{7, quarnel::frame::Parity::Odd},
                                          std::pair{8, quarnel::frame::Parity::None}}) {
        quarnel::frame::FrameFormat format;
        format.dataBits = dataBits;
        format.parity = parity;
        request.formats.push_back(format);
    }
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        quarnel::trame::writeExerciseSheet(request, buffer);
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

void BM_WindowChartOneFrame(benchmark::State& state) {
    quarnel::SignalChart chart;
    chart.Series1().SetLinePenColor(QColor(0, 0, 255));
    // Held in a variable: a range over *sendTrace(...) would outlive the optional it is in.
    const auto trace = quarnel::sendTrace(u"01100011");
    for (const quarnel::TracePoint& point : *trace)
        chart.Series1().AddXY(point.x, point.y);
    QImage image(quarnel::SignalChart::kSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.render(painter);
    }
}

BENCHMARK(BM_WindowChartOneFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Handout<quarnel::trame::writeSvg>)->Name("BM_HandoutSvg")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Handout<quarnel::trame::writePdf>)->Name("BM_HandoutPdf")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Handout<quarnel::trame::writePng>)->Name("BM_HandoutPng")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExerciseSheet40)->Unit(benchmark::kMillisecond);

} // namespace
