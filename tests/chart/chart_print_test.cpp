// Printing the chart through the private print server; the page is read back with
// poppler-utils, independently of Qt.
#include "chart_test_support.h"
#include "error.h"
#include "printed_page.h"
#include "private_print_server.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <functional>

namespace quarnel::test {

namespace {

// The smallest rectangle holding every pixel that `within` accepts.
QRect extentOf(const QImage& image, const std::function<bool(QRgb)>& within) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (within(image.pixel(x, y)))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// The test queue prints in grey, so parts are told apart by lightness: anything but the white
// paper (the panel is a light grey), and the dark lines and texts.
const auto isChart = [](QRgb pixel) { return qGray(pixel) < 250; };
const auto isDark = [](QRgb pixel) { return qGray(pixel) < 110; };

} // namespace

class ChartPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsTheChartAsOnScreenStretchedIntoTheMargins();
    void missingDefaultPrinterIsReported();
};

void ChartPrintTest::initTestCase() {
    // Nothing may ever reach a real printer.
    QVERIFY2(PrivatePrintServer::serverSocket().startsWith('/'),
             "CUPS_SERVER does not name the private server's socket; is the cups fixture on?");
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), PrivatePrintServer::queue());
}

void ChartPrintTest::printsTheChartAsOnScreenStretchedIntoTheMargins() {
    SignalChart chart;
    appendSendTrace(chart);
    chart.Series1().SetLinePenColor(kBlue);
    const QStringList before = PrivatePrintServer::capturedJobs();
    chart.Print();
    const auto job = PrivatePrintServer::waitForJobAfter(before);
    QVERIFY2(job, "the print server received no job");
    QCOMPARE(job->title, QStringLiteral("Chart1"));
    QString error;
    const auto page = readPrintedPage(job->dataPath, &error);
    QVERIFY2(page, qPrintable(error));
    QCOMPARE(page->pageCount, 1);

    // The whole chart, panel and bevel included, covers 16 % to 87 % of the printable width
    // and 8 % to 48 % of its height (at 72 dpi a pixel is a point), within 1 %.
    const QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    const double w = printable.width();
    const double h = printable.height();
    const QRect picture = extentOf(page->image, isChart);
    QVERIFY(std::abs(picture.left() - (printable.left() + 0.16 * w)) <= 0.01 * w);
    QVERIFY(std::abs(picture.right() + 1 - (printable.left() + 0.87 * w)) <= 0.01 * w);
    QVERIFY(std::abs(picture.top() - (printable.top() + 0.08 * h)) <= 0.01 * h);
    QVERIFY(std::abs(picture.bottom() + 1 - (printable.top() + 0.48 * h)) <= 0.01 * h);

    // Laid out as on screen: the dark parts (axis titles at the left and bottom, the legend's
    // frame at the right, labels and title at the top) span the same part of the picture,
    // mapped through the stretch, within two page pixels.
    const QRect onScreen = extentOf(chart.toImage(), isDark);
    const double sx = picture.width() / 657.0;
    const double sy = picture.height() / 250.0;
    QImage pagePicture = page->image.copy(picture);
    const QRect onPage = extentOf(pagePicture, isDark);
    QVERIFY2(std::abs(onPage.left() - onScreen.left() * sx) <= 2 + sx, "left");
    QVERIFY2(std::abs(onPage.right() + 1 - (onScreen.right() + 1) * sx) <= 2 + sx, "right");
    QVERIFY2(std::abs(onPage.top() - onScreen.top() * sy) <= 2 + sy, "top");
    QVERIFY2(std::abs(onPage.bottom() + 1 - (onScreen.bottom() + 1) * sy) <= 2 + sy, "bottom");
}

void ChartPrintTest::missingDefaultPrinterIsReported() {
    // CUPS has no command to clear its default; deleting the default queue does. A spare
    // queue is made the default and deleted, and the real one made the default again after.
    const QString spare = QStringLiteral("quarnel-chart-spare");
    const QString queue = PrivatePrintServer::queue();
    const auto restore = qScopeGuard([&] {
        PrivatePrintServer::run("lpadmin", {"-x", spare});
        PrivatePrintServer::run("lpadmin", {"-d", queue});
    });
    QVERIFY(!PrivatePrintServer::run(
        "lpadmin", {"-p", spare, "-E", "-v",
                    "quarnel-capture:" + PrivatePrintServer::outputFolder(), "-m", "raw"}));
    QVERIFY(!PrivatePrintServer::run("lpadmin", {"-d", spare}));
    QVERIFY(!PrivatePrintServer::run("lpadmin", {"-x", spare}));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());

    SignalChart chart;
    try {
        chart.Print();
        QFAIL("printing without a default printer reported success");
    } catch (const Error& e) {
        QCOMPARE(QString::fromStdU16String(e.message()),
                 QStringLiteral("Aucune imprimante par défaut sélectionnée"));
    }
}

} // namespace quarnel::test

QTEST_MAIN(quarnel::test::ChartPrintTest)
#include "chart_print_test.moc"
