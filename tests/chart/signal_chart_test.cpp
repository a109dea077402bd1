// The chart widget on the offscreen platform: what it draws, when it repaints, the mouse.
#include "chart_painter.h"
#include "chart_test_support.h"
#include "clipboard_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QMimeData>
#include <QPalette>
#include <QTest>
#include <QWheelEvent>

namespace quarnel::test {

namespace {

// Counts how often the chart is painted.
class PaintCountingChart : public SignalChart {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        SignalChart::paintEvent(event);
    }
};

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kDarkGrey(128, 128, 128);

// A row of the plot between two horizontal grid lines, where vertical lines show clearly.
int rowBetweenGridLines(const ChartLayout& layout) {
    return (layout.leftMarks[0].pixel + layout.leftMarks[1].pixel) / 2;
}

} // namespace

class SignalChartTest : public QObject {
    Q_OBJECT

private slots:
    void isAFixedSizeTabStop();
    void labelsWithTheRealFont_data();
    void labelsWithTheRealFont();
    void startUpPictureHasTitleAxesAndLabelsButNoLineNorLegend();
    void traceBringsTheLegendAndNarrowsThePlot();
    void clearRemovesLineAndLegend();
    void lineColor_data();
    void lineColor();
    void lineIsCutAtThePlotsRightEdge();
    void lineEndsAtItsLastPointShortOfTheEdge();
    void zeroTimeRangeDrawsAVerticalStrokeAtTheMiddle();
    void screenShowsWhatToImageDraws();
    void changesRepaintOnceAfterTheHandler();
    void leftDrag_data();
    void leftDrag();
    void leftDragBackwardsUndoesTheZoom();
    void rightDragScrollsByTheWholeOffset();
    void wheelLeavesTheAxesAlone();
    void copyPutsOnlyThePictureOnTheClipboard();
    void copyWithoutClipboardFails();
};

void SignalChartTest::isAFixedSizeTabStop() {
    SignalChart chart;
    QCOMPARE(chart.minimumSize(), QSize(657, 250));
    QCOMPARE(chart.maximumSize(), QSize(657, 250));
    QCOMPARE(chart.focusPolicy(), Qt::StrongFocus);
    QCOMPARE(chart.toImage().size(), QSize(657, 250));
}

void SignalChartTest::labelsWithTheRealFont_data() {
    QTest::addColumn<bool>("withTrace");
    QTest::newRow("empty_series") << false;
    QTest::newRow("send_trace_and_legend") << true;
}

void SignalChartTest::labelsWithTheRealFont() {
    QFETCH(bool, withTrace);
    // The measures below are those of Liberation Sans, which stands in for Arial.
    QCOMPARE(QFontInfo(chartFont()).family(), QStringLiteral("Liberation Sans"));
    SignalChart chart;
    if (withTrace)
        appendSendTrace(chart);
    const ChartLayout layout = chart.CurrentLayout();

    QCOMPARE(layout.bottomLabels.step, 50.0);
    QCOMPARE(layout.bottomLabels.values.size(), std::size_t(13));
    QCOMPARE(layout.bottomLabels.values.front(), 0.0);
    QCOMPARE(layout.bottomLabels.values.back(), 600.0);
    QCOMPARE(layout.leftLabels.step, 2.0);
    QCOMPARE(layout.leftLabels.values.size(), std::size_t(11));
    QCOMPARE(layout.leftLabels.values.front(), -10.0);
    QCOMPARE(layout.leftLabels.values.back(), 10.0);
    QVERIFY(layout.leftMarks.front().text == u"-10");
    QVERIFY(layout.bottomMarks.back().text == u"600");
}

void SignalChartTest::startUpPictureHasTitleAxesAndLabelsButNoLineNorLegend() {
    SignalChart chart;
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    const PixelRect& plot = layout.plot;
    QVERIFY(!layout.legend);

    const QPalette palette = QApplication::palette();
    QCOMPARE(image.pixel(layout.inner.left + 2, layout.inner.top + 2),
             palette.color(QPalette::Button).rgb());
    // Raised bevel: light left, dark right.
    QCOMPARE(image.pixel(0, 100), palette.color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(656, 100), palette.color(QPalette::Dark).rgb());

    QVERIFY(countColor(image, layout.title, kBlue, 60) > 20);
    for (const AxisMark& mark : layout.bottomMarks)
        QVERIFY2(countColor(image, mark.textBox, kBlack, 90) > 3,
                 qPrintable(QString::number(mark.value)));
    for (const AxisMark& mark : layout.leftMarks)
        QVERIFY2(countColor(image, mark.textBox, kBlack, 90) > 3,
                 qPrintable(QString::number(mark.value)));
    QVERIFY(countColor(image, layout.bottomTitle, kBlack, 90) > 40);
    QVERIFY(countColor(image, layout.leftTitle, kBlack, 90) > 40);

    const int row = rowBetweenGridLines(layout);
    // Axis lines two pixels wide on the left and bottom, the frame one pixel beyond the plot.
    QCOMPARE(image.pixel(plot.left - 1, row), kBlack.rgb());
    QCOMPARE(image.pixel(plot.left - 2, row), kBlack.rgb());
    QCOMPARE(image.pixel(plot.left + 40, plot.bottom() + 1), kBlack.rgb());
    QCOMPARE(image.pixel(plot.left + 40, plot.bottom() + 2), kBlack.rgb());
    QCOMPARE(image.pixel(plot.right() + 1, row), kBlack.rgb());
    QCOMPARE(image.pixel(plot.left + 40, plot.top - 1), kBlack.rgb());
    // Grid at a label inside the plot.
    QCOMPARE(image.pixel(layout.bottomMarks[6].pixel, row), kSilver.rgb());
    // Major ticks 4 px out from the axis line, minor ones 2 px.
    const int labelRow = layout.leftMarks[5].pixel;
    for (int x = plot.left - 6; x <= plot.left - 3; ++x)
        QCOMPARE(image.pixel(x, labelRow), kDarkGrey.rgb());
    QVERIFY(image.pixel(plot.left - 7, labelRow) != kDarkGrey.rgb());
    const int minorRow = layout.leftMinorTicks[1];
    QCOMPARE(image.pixel(plot.left - 4, minorRow), kDarkGrey.rgb());
    QVERIFY(image.pixel(plot.left - 5, minorRow) != kDarkGrey.rgb());
    const int labelColumn = layout.bottomMarks[3].pixel;
    QCOMPARE(image.pixel(labelColumn, plot.bottom() + 6), kDarkGrey.rgb());
    QVERIFY(image.pixel(labelColumn, plot.bottom() + 7) != kDarkGrey.rgb());

    // No line in the plot, nothing but panel to the right of it.
    QCOMPARE(countColor(image, plot, kOlive, 40), 0);
    // Beside the plot, from below the title down to the bottom axis line (the last bottom
    // label may reach into it below that).
    const PixelRect rightOfPlot{plot.right() + 2, layout.title.bottom() + 1,
                                layout.inner.right() - plot.right() - 1,
                                plot.bottom() + 2 - layout.title.bottom()};
    QCOMPARE(countColor(image, rightOfPlot, kWhite, 10), 0);
    QCOMPARE(countColor(image, rightOfPlot, kBlack, 90), 0);
}

void SignalChartTest::traceBringsTheLegendAndNarrowsThePlot() {
    SignalChart chart;
    const PixelRect emptyPlot = chart.CurrentLayout().plot;
    appendSendTrace(chart);
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    QVERIFY(layout.legend);
    const LegendLayout& legend = *layout.legend;
    QVERIFY(layout.plot.width < emptyPlot.width);
    QCOMPARE(layout.plot.left, emptyPlot.left);

    // White box, black frame, and in each row a symbol in the line colour and dark text.
    QCOMPARE(image.pixel(legend.box.left, legend.box.top + 5), kBlack.rgb());
    QCOMPARE(image.pixel(legend.box.right(), legend.box.top + 5), kBlack.rgb());
    QCOMPARE(image.pixel(legend.box.left + 2, legend.box.top + 2), kWhite.rgb());
    QCOMPARE(legend.rows.size(), std::size_t(15));
    for (int i = 0; i < int(legend.rows.size()); ++i) {
        const int rowTop = legend.firstRowTop + i * legend.rowHeight;
        QVERIFY(colorNear(image, legend.symbolLeft + 4, rowTop + legend.rowHeight / 2, kOlive));
        const PixelRect text{legend.textLeft, rowTop, legend.box.right() - legend.textLeft,
                             legend.rowHeight};
        QVERIFY(countColor(image, text, kBlack, 90) > 3);
    }
}

void SignalChartTest::clearRemovesLineAndLegend() {
    SignalChart chart;
    const ChartLayout start = chart.CurrentLayout();
    appendSendTrace(chart);
    chart.BottomAxis().SetMaximum(500);
    chart.Series1().Clear();
    const ChartLayout cleared = chart.CurrentLayout();
    QVERIFY(!cleared.legend);
    QCOMPARE(cleared.plot.width, start.plot.width);
    // The limits stay as they were.
    QCOMPARE(chart.BottomAxis().Maximum(), 500.0);
    QCOMPARE(countColor(chart.toImage(), cleared.plot, kOlive, 40), 0);
}

void SignalChartTest::lineColor_data() {
    QTest::addColumn<bool>("setBlue");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<QColor>("absent");
    QTest::newRow("olive_at_start") << false << kOlive << kBlue;
    QTest::newRow("blue_once_set") << true << kBlue << kOlive;
}

void SignalChartTest::lineColor() {
    QFETCH(bool, setBlue);
    QFETCH(QColor, expected);
    QFETCH(QColor, absent);
    SignalChart chart;
    appendSendTrace(chart);
    if (setBlue)
        chart.Series1().SetLinePenColor(kBlue);
    QCOMPARE(chart.Series1().SeriesColor(), kOlive);
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    const DrawnGrid grid(image, layout);
    QVERIFY(grid.matchesTheLabels());
    // The stop bit at -5 V from 0 to 52 µs.
    const QPoint stopBit = grid.point(26, -5);
    QVERIFY(colorNear(image, stopBit.x(), stopBit.y(), expected, 1, 30));
    QCOMPARE(countColor(image, layout.plot, absent, 40), 0);
}

void SignalChartTest::lineIsCutAtThePlotsRightEdge() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.Series1().SetLinePenColor(kBlue);
    chart.BottomAxis().SetMaximum(300);
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    const PixelRect& plot = layout.plot;
    // Points 10 and 11 (260 and 310 µs) hold the level that runs through 300 µs.
    QCOMPARE(chart.Series1().XValue(11), 310.0);
    const double level = chart.Series1().YValue(11);
    const DrawnGrid grid(image, layout);
    QVERIFY(grid.matchesTheLabels());
    const int row = grid.row(level);
    QVERIFY(colorNear(image, plot.right(), row, kBlue, 1, 30));
    QVERIFY(colorNear(image, plot.right() - 20, row, kBlue, 1, 30));
    // Nothing of the line between the frame and the legend.
    const PixelRect beyond{plot.right() + 1, plot.top - 1,
                           layout.legend->box.left - plot.right() - 1, plot.height + 2};
    QCOMPARE(countColor(image, beyond, kBlue, 60), 0);
}

void SignalChartTest::lineEndsAtItsLastPointShortOfTheEdge() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.Series1().SetLinePenColor(kBlue);
    chart.BottomAxis().SetMaximum(800);
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    QVERIFY(layout.legend);
    const DrawnGrid grid(image, layout);
    QVERIFY(grid.matchesTheLabels());
    const QPoint idle = grid.point(690, -5);
    QVERIFY(colorNear(image, idle.x(), idle.y(), kBlue, 1, 30));
    const int past = grid.column(705);
    const PixelRect afterTheEnd{past, idle.y() - 3, layout.plot.right() - past + 1, 7};
    QCOMPARE(countColor(image, afterTheEnd, kBlue, 60), 0);
}

void SignalChartTest::zeroTimeRangeDrawsAVerticalStrokeAtTheMiddle() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.Series1().SetLinePenColor(kBlue);
    chart.BottomAxis().SetMaximum(0);
    const QImage image = chart.toImage();
    const ChartLayout layout = chart.CurrentLayout();
    const PixelRect& plot = layout.plot;

    QCOMPARE(layout.bottomMarks.size(), std::size_t(1));
    QVERIFY(layout.bottomMarks[0].text == u"0");
    const int middle = plot.left + (plot.width - 1) / 2;
    QVERIFY(std::abs(layout.bottomMarks[0].pixel - middle) <= 1);
    // One time mark only: the rows are read off the horizontal grid lines alone.
    std::vector<int> rows;
    for (int y = plot.top; y <= plot.bottom(); ++y)
        if (image.pixelColor(plot.left + 1, y) == kSilver)
            rows.push_back(y);
    QCOMPARE(rows.size(), layout.leftMarks.size()); // -10 to 10 V, every 2 V, top row first
    const auto rowOf = [&](int volts) { return rows[static_cast<std::size_t>(10 - volts) / 2]; };
    for (int volts : {-4, 0, 4})
        QVERIFY(colorNear(image, middle, rowOf(volts), kBlue, 1, 30));
    // The stroke runs from -5 to 5 V and nowhere else.
    QVERIFY(!colorNear(image, middle, (rowOf(6) + rowOf(8)) / 2, kBlue, 1, 60));
    const PixelRect leftOfStroke{plot.left, plot.top, middle - 2 - plot.left, plot.height};
    QCOMPARE(countColor(image, leftOfStroke, kBlue, 60), 0);

    try {
        chart.BottomAxis().SetMaximum(-100);
        QFAIL("a maximum below the minimum was accepted");
    } catch (const AxisException& e) {
        QVERIFY(e.message() == u"Axis Maximum Value must be >= Minimum");
    }
    QCOMPARE(chart.BottomAxis().Maximum(), 0.0);
}

void SignalChartTest::screenShowsWhatToImageDraws() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QCOMPARE(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), chart.toImage());
}

void SignalChartTest::changesRepaintOnceAfterTheHandler() {
    PaintCountingChart chart;
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTRY_VERIFY(chart.paints > 0);
    QCoreApplication::processEvents();
    chart.paints = 0;

    // What "Envoyer" does, in one go.
    chart.Series1().Clear();
    chart.Series1().SetLinePenColor(kBlue);
    appendSendTrace(chart);
    QCOMPARE(chart.paints, 0);
    QTRY_COMPARE(chart.paints, 1);
    QTest::qWait(100);
    QCOMPARE(chart.paints, 1);
}

void SignalChartTest::leftDrag_data() {
    QTest::addColumn<QPointF>("from"); // (µs, V)
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<bool>("zooms");
    QTest::newRow("down_right_zooms") << QPointF(100, 5) << QPointF(300, -5) << true;
    QTest::newRow("up_right_zooms") << QPointF(100, -5) << QPointF(300, 5) << true;
    // 10 µs is well under 16 pixels.
    QTest::newRow("short_drag_changes_nothing") << QPointF(100, 5) << QPointF(110, -5) << false;
}

void SignalChartTest::leftDrag() {
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(bool, zooms);
    SignalChart chart;
    appendSendTrace(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const ChartLayout layout = chart.CurrentLayout();
    const DrawnGrid grid(chart.toImage(), layout);
    QVERIFY(grid.matchesTheLabels());
    const QPoint start = grid.point(from.x(), from.y());
    const QPoint end = grid.point(to.x(), to.y());

    QTest::mousePress(&chart, Qt::LeftButton, {}, start);
    QTest::mouseMove(&chart, end);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, end);

    if (!zooms) {
        QCOMPARE(chart.BottomAxis().Range(), (AxisRange{0, 600}));
        QVERIFY(chart.BottomAxis().AutomaticMinimum());
        QCOMPARE(chart.LeftAxis().Range(), (AxisRange{-10, 10}));
        return;
    }
    // Within a pixel of the values under the corners.
    const double timePerPixel = 600.0 / (layout.plot.width - 1);
    const double voltsPerPixel = 20.0 / (layout.plot.height - 1);
    QVERIFY(std::abs(chart.BottomAxis().Minimum() - 100) <= timePerPixel);
    QVERIFY(std::abs(chart.BottomAxis().Maximum() - 300) <= timePerPixel);
    QVERIFY(std::abs(chart.LeftAxis().Minimum() + 5) <= voltsPerPixel);
    QVERIFY(std::abs(chart.LeftAxis().Maximum() - 5) <= voltsPerPixel);
    // The zoomed minimum is fixed: the data no longer move it.
    QVERIFY(!chart.BottomAxis().AutomaticMinimum());
    chart.CurrentLayout();
    QVERIFY(std::abs(chart.BottomAxis().Minimum() - 100) <= timePerPixel);
}

void SignalChartTest::leftDragBackwardsUndoesTheZoom() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.BottomAxis().SetMaximum(500);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const auto drag = [&chart](QPoint from, QPoint to) {
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(&chart, to);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, to);
    };
    const PixelRect plot = chart.CurrentLayout().plot;
    const QPoint a(plot.left + 50, plot.top + 20);
    const QPoint b(plot.left + 250, plot.top + 120);
    drag(a, b);
    drag(a + QPoint(10, 10), b - QPoint(10, 10)); // a second zoom, inside the first
    QVERIFY(chart.BottomAxis().Maximum() < 500);
    drag(b, a);
    QCOMPARE(chart.BottomAxis().Range(), (AxisRange{0, 500}));
    QVERIFY(chart.BottomAxis().AutomaticMinimum());
    QCOMPARE(chart.LeftAxis().Range(), (AxisRange{-10, 10}));
}

void SignalChartTest::rightDragScrollsByTheWholeOffset() {
    SignalChart chart;
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const PixelRect plot = chart.CurrentLayout().plot;
    const QPoint start(plot.left + 100, plot.top + 50);
    QTest::mousePress(&chart, Qt::RightButton, {}, start);
    for (int step = 1; step <= 5; ++step)
        QTest::mouseMove(&chart, start + QPoint(10 * step, 4 * step));
    QTest::mouseRelease(&chart, Qt::RightButton, {}, start + QPoint(50, 20));

    // 50 px right shows earlier times, 20 px down higher voltages, by the axes' scales.
    const double timeShift = 50 * 600.0 / (plot.width - 1);
    const double voltShift = 20 * 20.0 / (plot.height - 1);
    QVERIFY(qFuzzyCompare(chart.BottomAxis().Minimum(), -timeShift));
    QVERIFY(qFuzzyCompare(chart.BottomAxis().Maximum(), 600 - timeShift));
    QVERIFY(qFuzzyCompare(chart.LeftAxis().Minimum(), -10 + voltShift));
    QVERIFY(qFuzzyCompare(chart.LeftAxis().Maximum(), 10 + voltShift));
    QVERIFY(!chart.BottomAxis().AutomaticMinimum());
}

void SignalChartTest::wheelLeavesTheAxesAlone() {
    SignalChart chart;
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QPointF middle(300, 120);
    QWheelEvent wheel(middle, chart.mapToGlobal(middle), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    QCOMPARE(chart.BottomAxis().Range(), (AxisRange{0, 600}));
    QCOMPARE(chart.LeftAxis().Range(), (AxisRange{-10, 10}));
}

void SignalChartTest::copyPutsOnlyThePictureOnTheClipboard() {
    SignalChart chart;
    appendSendTrace(chart);
    QApplication::clipboard()->setText(QStringLiteral("former text"));
    chart.CopyToClipboardBitmap();
    const QMimeData* content = QApplication::clipboard()->mimeData();
    QVERIFY(content);
    QVERIFY(!content->hasText());
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             chart.toImage());
}

void SignalChartTest::copyWithoutClipboardFails() {
    try {
        copyImageToClipboard(nullptr, QImage(657, 250, QImage::Format_RGB32));
        QFAIL("copied without a clipboard");
    } catch (const Error& e) {
        const QString message = QString::fromStdU16String(e.message());
        QVERIFY2(message.startsWith(QStringLiteral("Impossible d'ouvrir le Presse-papiers : ")),
                 qPrintable(message));
        QVERIFY(message.size() > 40); // a reason follows
    }
}

} // namespace quarnel::test

QTEST_MAIN(quarnel::test::SignalChartTest)
#include "signal_chart_test.moc"
