// Printing through a real, private CUPS server whose default queue keeps what it receives:
// the page is read back with poppler-utils, independently of Qt.
#include "default_printer.h"
#include "error.h"
#include "printed_page.h"
#include "private_print_server.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>
#include <functional>
#include <optional>

using quarnel::test::PrivatePrintServer;

// Fails the test, showing the failure's own text, when `outcome` (an optional failure text)
// holds one.
#define VERIFY_NO_FAILURE(outcome)                                                                 \
    do {                                                                                           \
        const std::optional<QString> failure_ = (outcome);                                         \
        QVERIFY2(!failure_, qPrintable(failure_.value_or(QString())));                             \
    } while (false)

namespace {

const QSize chartSize(657, 250);
const quarnel::PrintMargins chartMargins{16, 8, 13, 52};
const QString spareQueue = "quarnel-spare";

// A picture that shows where it lands and at what size its text comes out: light grey all
// over, a dark grey frame along its four edges, a line of black text in the middle, in a font
// sized in points as the chart's are. Shades of grey, told apart by lightness alone, because
// the test queue, raw, is a printer that Qt knows nothing of and so prints in grey.
const QColor fillColour(200, 200, 200);
const QColor frameColour(90, 90, 90);

void drawKnownPicture(QPainter& painter) {
    const QRect whole(QPoint(0, 0), chartSize);
    painter.fillRect(whole, fillColour);
    const int frame = 12;
    painter.fillRect(0, 0, chartSize.width(), frame, frameColour);
    painter.fillRect(0, chartSize.height() - frame, chartSize.width(), frame, frameColour);
    painter.fillRect(0, 0, frame, chartSize.height(), frameColour);
    painter.fillRect(chartSize.width() - frame, 0, frame, chartSize.height(), frameColour);
    QFont font("Arial");
    font.setPointSize(36);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(whole, Qt::AlignCenter, "Liaison 19200 bps");
}

int lightness(QRgb pixel) {
    return qGray(pixel);
}
const auto isInk = [](QRgb pixel) { return lightness(pixel) < 235; };
const auto isText = [](QRgb pixel) { return lightness(pixel) < 50; };
const auto isFrame = [](QRgb pixel) { return lightness(pixel) > 70 && lightness(pixel) < 110; };
const auto isFill = [](QRgb pixel) { return lightness(pixel) > 180 && lightness(pixel) < 220; };

// The smallest rectangle holding every pixel that `within` accepts, inside `area`.
QRect extentOf(const QImage& image, const std::function<bool(QRgb)>& within, QRect area) {
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (within(image.pixel(x, y)))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

QRect extentOf(const QImage& image, const std::function<bool(QRgb)>& within) {
    return extentOf(image, within, image.rect());
}

// Names the edges of `found` that lie farther from those of `expected` than the tolerance;
// empty when none does.
QString edgesApart(const QRectF& found, const QRectF& expected, double dx, double dy) {
    QString apart;
    const auto check = [&](const char* edge, double at, double wanted, double tolerance) {
        if (qAbs(at - wanted) > tolerance)
            apart += QString("%1 edge at %2 instead of %3; ").arg(edge).arg(at).arg(wanted);
    };
    check("left", found.left(), expected.left(), dx);
    check("right", found.right(), expected.right(), dx);
    check("top", found.top(), expected.top(), dy);
    check("bottom", found.bottom(), expected.bottom(), dy);
    return apart;
}

// Prints and returns the message of the error raised, nothing when printing succeeded.
std::optional<QString> tryPrint(const QString& jobName,
                                const std::function<void(QPainter&)>& draw) {
    try {
        quarnel::printOnDefaultPrinter(jobName, chartSize, chartMargins, draw);
    } catch (const quarnel::Error& error) {
        return QString::fromStdU16String(error.message());
    }
    return std::nullopt;
}

} // namespace

class PrintDefaultPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void printsStretchedIntoTheMargins();
    void failureIsReportedAndNothingPrinted_data();
    void failureIsReportedAndNothingPrinted();

private:
    void restoreServer();
};

void PrintDefaultPrinterTest::initTestCase() {
    // Nothing may ever reach a real printer: the fixture's private server must be in use.
    QVERIFY2(PrivatePrintServer::serverSocket().startsWith('/'),
             "CUPS_SERVER does not name the private server's socket; is the cups fixture on?");
    QVERIFY2(!PrivatePrintServer::queue().isEmpty() &&
                 !PrivatePrintServer::outputFolder().isEmpty(),
             "the cups fixture's environment is missing");
}

void PrintDefaultPrinterTest::init() {
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), PrivatePrintServer::queue());
}

void PrintDefaultPrinterTest::cleanup() {
    restoreServer();
}

// Undoes what a failure case did to the server, even when the case itself failed.
void PrintDefaultPrinterTest::restoreServer() {
    const QString queue = PrivatePrintServer::queue();
    PrivatePrintServer::run("lpadmin", {"-x", spareQueue}); // absent unless a case failed
    VERIFY_NO_FAILURE(PrivatePrintServer::run("cupsaccept", {queue}));
    VERIFY_NO_FAILURE(PrivatePrintServer::run("lpadmin", {"-d", queue}));
}

void PrintDefaultPrinterTest::printsStretchedIntoTheMargins() {
    const QStringList before = PrivatePrintServer::capturedJobs();
    VERIFY_NO_FAILURE(tryPrint("Chart1", drawKnownPicture));
    const auto job = PrivatePrintServer::waitForJobAfter(before);
    QVERIFY2(job, "the print server received no job");
    QCOMPARE(job->title, QString("Chart1"));

    QString error;
    const auto page = quarnel::test::readPrintedPage(job->dataPath, &error);
    QVERIFY2(page, qPrintable(error));
    QCOMPARE(page->pageCount, 1);
    QCOMPARE(page->title, QString("Chart1"));

    // The printable area: Qt lays the page out for the default printer with that printer's
    // paper, orientation and unprintable margins, and draws the document's page at the
    // paper's size; so the printable area is Qt's page rectangle for that printer, in points
    // from the paper's top left corner. The paper must be the page that pdfinfo reads.
    const QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    QVERIFY(qAbs(page->sizePoints.width() - paper.width()) < 1);
    QVERIFY(qAbs(page->sizePoints.height() - paper.height()) < 1);

    // At 72 dpi a pixel is a point. The picture fills 16 % to 87 % of the printable width
    // and 8 % to 48 % of its height, each edge within 1 %.
    const QRect picture = extentOf(page->image, isInk);
    const double w = printable.width();
    const double h = printable.height();
    const QRectF expected(QPointF(printable.left() + 0.16 * w, printable.top() + 0.08 * h),
                          QPointF(printable.left() + 0.87 * w, printable.top() + 0.48 * h));
    const QRectF found(picture.topLeft(), QSizeF(picture.size()));
    const QString pictureApart = edgesApart(found, expected, 0.01 * w, 0.01 * h);
    QVERIFY2(pictureApart.isEmpty(), qPrintable(pictureApart));

    // The frame along each edge and the fill inside show that the whole picture is there.
    const QPoint centre = picture.center();
    QVERIFY(isFrame(page->image.pixel(picture.left() + 2, centre.y())));
    QVERIFY(isFrame(page->image.pixel(picture.right() - 2, centre.y())));
    QVERIFY(isFrame(page->image.pixel(centre.x(), picture.top() + 2)));
    QVERIFY(isFrame(page->image.pixel(centre.x(), picture.bottom() - 2)));
    QVERIFY(isFill(page->image.pixel(picture.left() + picture.width() / 8,
                                     picture.top() + picture.height() / 4)));

    // The text keeps its place and size within the picture: drawn on a screen-like image of
    // the picture's own size, then mapped through the stretch, it covers the same area as on
    // the page, within two page pixels.
    QImage screen(chartSize, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        QPainter painter(&screen);
        drawKnownPicture(painter);
    }
    const QRect onScreen = extentOf(screen, isText);
    QVERIFY(!onScreen.isEmpty());
    const double sx = found.width() / chartSize.width();
    const double sy = found.height() / chartSize.height();
    const QRectF textExpected(found.left() + onScreen.left() * sx,
                              found.top() + onScreen.top() * sy, onScreen.width() * sx,
                              onScreen.height() * sy);
    const QRect onPage = extentOf(page->image, isText, picture);
    const QRectF textFound(onPage.topLeft(), QSizeF(onPage.size()));
    const QString textApart = edgesApart(textFound, textExpected, 2, 2);
    QVERIFY2(textApart.isEmpty(), qPrintable(textApart));
}

enum class Cause { NoDefaultPrinter, JobRefused, DrawingFails };
Q_DECLARE_METATYPE(Cause)

void PrintDefaultPrinterTest::failureIsReportedAndNothingPrinted_data() {
    QTest::addColumn<Cause>("cause");
    QTest::addColumn<QString>("messagePattern"); // matches the whole message

    const QString queue = QRegularExpression::escape(PrivatePrintServer::queue());
    QTest::newRow("no default printer")
        << Cause::NoDefaultPrinter << QString("Aucune imprimante par défaut sélectionnée");
    // The server's own reason follows.
    QTest::newRow("queue refuses jobs")
        << Cause::JobRefused
        << QString("L'impression de « Essai » sur « %1 » a échoué : .+").arg(queue);
    QTest::newRow("drawing fails") << Cause::DrawingFails << QString("dessin impossible");
}

void PrintDefaultPrinterTest::failureIsReportedAndNothingPrinted() {
    QFETCH(Cause, cause);
    QFETCH(QString, messagePattern);
    const QString queue = PrivatePrintServer::queue();

    std::function<void(QPainter&)> draw = drawKnownPicture;
    switch (cause) {
    case Cause::NoDefaultPrinter:
        // CUPS has no command to clear its default; deleting the default queue does. The
        // private queue stays, so that printing on some other printer would show.
        VERIFY_NO_FAILURE(PrivatePrintServer::run(
            "lpadmin", {"-p", spareQueue, "-E", "-v",
                        "quarnel-capture:" + PrivatePrintServer::outputFolder(), "-m", "raw"}));
        VERIFY_NO_FAILURE(PrivatePrintServer::run("lpadmin", {"-d", spareQueue}));
        VERIFY_NO_FAILURE(PrivatePrintServer::run("lpadmin", {"-x", spareQueue}));
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        break;
    case Cause::JobRefused:
        VERIFY_NO_FAILURE(PrivatePrintServer::run("cupsreject", {queue}));
        break;
    case Cause::DrawingFails:
        draw = [](QPainter& painter) {
            drawKnownPicture(painter);
            throw quarnel::Error(u"dessin impossible");
        };
        break;
    }

    const QStringList before = PrivatePrintServer::capturedJobs();
    const auto failure = tryPrint("Essai", draw);
    QVERIFY2(failure, "printing reported success");
    const QRegularExpression whole(QRegularExpression::anchoredPattern(messagePattern));
    QVERIFY2(whole.match(*failure).hasMatch(), qPrintable(*failure));

    // Jobs leave the queue in order: once a witness printed afterwards is out, anything that
    // the failed attempt had sent would be out too.
    restoreServer();
    if (QTest::currentTestFailed())
        return;
    VERIFY_NO_FAILURE(tryPrint("Temoin", [](QPainter&) {}));
    const auto job = PrivatePrintServer::waitForJobAfter(before);
    QVERIFY2(job, "the print server received no job");
    QCOMPARE(job->title, QString("Temoin"));
    QCOMPARE(PrivatePrintServer::capturedJobs().size(), before.size() + 1);
}

QTEST_MAIN(PrintDefaultPrinterTest)
#include "print_default_printer_test.moc"
