// How fast the real main window answers a click: from the click on "Envoyer" or on a zoom
// button to the end of the repaint that it causes. Every click is timed on its own; the
// median click is reported as the counter median_ms.
#include "application.h"
#include "letter_list.h"
#include "program_windows.h"
#include "signal_chart.h"
#include "unit1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>
#include <vector>

namespace {

// Counts the chart's paint events. The repaint that a click causes has ended once one more
// has been handled and the event loop has returned: the window's image is flushed by then.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count_;
        return QObject::eventFilter(watched, event);
    }

private:
    int count_ = 0;
};

// Seconds from the click to the end of the chart's next repaint, or nothing when no repaint
// came (the handler refused the click).
std::optional<double> clickUntilRepainted(QPushButton* button, const PaintCounter& paints) {
    const int before = paints.count();
    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    for (int round = 0; paints.count() == before; ++round) {
        if (round == 1000)
            return std::nullopt;
        QCoreApplication::processEvents();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The program's windows, built and shown as at start-up, with the letter "c" typed over
// the list's prompt, and one "Envoyer" done so that no timed click pays for loading
// the legend's glyphs.
class ShownProgram {
public:
    ShownProgram() {
        windows_.show();
        programme->activateWindow();
        const bool active = QTest::qWaitForWindowActive(programme);
        // Tab Tab Tab from the chart into the list, which selects its text, then "c".
        for (int tab = 0; tab < 3; ++tab)
            QTest::keyClick(programme->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(programme->windowHandle(), 'c');
        paints_.emplace(programme->Chart1);
        ready_ = active && programme->resultat1 == QStringLiteral("c") &&
                 clickUntilRepainted(programme->Button1, *paints_);
    }
    ~ShownProgram() { paints_.reset(); }
    ShownProgram(const ShownProgram&) = delete;
    ShownProgram& operator=(const ShownProgram&) = delete;

    bool ready() const { return ready_; }
    const PaintCounter& paints() const { return *paints_; }

private:
    quarnel::ProgramWindows windows_;
    std::optional<PaintCounter> paints_;
    bool ready_ = false;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename NextButton> void timeClicks(benchmark::State& state, NextButton nextButton) {
    const ShownProgram program;
    if (!program.ready()) {
        state.SkipWithError("the main window did not show a trace of the letter c");
        return;
    }
    std::vector<double> seconds;
    for (auto _ : state) {
        const std::optional<double> reaction = clickUntilRepainted(nextButton(), program.paints());
        if (!reaction) {
            state.SkipWithError("the click caused no repaint of the chart");
            return;
        }
        state.SetIterationTime(*reaction);
        seconds.push_back(*reaction);
    }
    state.counters["median_ms"] = median(seconds) * 1000;
}

void BM_EnvoyerReaction(benchmark::State& state) {
    timeClicks(state, [] { return programme->Button1; });
}

// Zoom in and out by turns, so that the time axis stays between 500 and 600 µs.
void BM_ZoomStepReaction(benchmark::State& state) {
    bool zoomIn = false;
    timeClicks(state, [&zoomIn] {
        zoomIn = !zoomIn;
        return zoomIn ? programme->zoomplus : programme->zoommoins;
    });
}

constexpr int kClicks = 101;

BENCHMARK(BM_EnvoyerReaction)->UseManualTime()->Iterations(kClicks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomStepReaction)->UseManualTime()->Iterations(kClicks)->Unit(benchmark::kMillisecond);

} // namespace
