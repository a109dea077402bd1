// The pictures and the icon as the windows load them: through the resource system, from an
// executable that links quarnel_resources only through another static library.

#include "picture_files.h"
#include "picture_probe.h"
#include "resource_paths.h"

#include <QTest>
#include <cstdlib>

using namespace quarnel::resources;
using namespace quarnel::resources::probe;

namespace {

const QColor white(255, 255, 255);
const QColor signalBlue(0, 0, 255);
const QColor lavender(230, 230, 255);
const QColor frameRed(233, 75, 68);

QImage load(const char* path) {
    return readPicture(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void sizes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("frame") << QString(QLatin1String(framePicture)) << QSize(616, 166) << true;
        QTest::newRow("voltages") << QString(QLatin1String(voltagesPicture)) << QSize(648, 90)
                                  << true;
        QTest::newRow("help") << QString(QLatin1String(helpPicture)) << QSize(400, 600) << true;
        QTest::newRow("icon") << QString(QLatin1String(applicationIcon)) << QSize(50, 50) << false;
    }

    void sizes() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(bool, opaque);
        const QByteArray name = path.toLatin1();
        const QImage image = readPicture(name.constData());
        QVERIFY2(!image.isNull(), qPrintable(path + " does not load"));
        QCOMPARE(image.size(), size);
        QCOMPARE(pictureSize(name.constData()), size);
        if (opaque)
            QVERIFY(isFullyOpaque(image.convertToFormat(QImage::Format_ARGB32)));
    }

    // The build stores the main window's pictures as bare pixels: what the window shows must
    // be the committed picture, pixel for pixel, at its size.
    void rawPicturesAreTheCommittedOnes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("committed");
        QTest::newRow("frame") << QString(QLatin1String(framePicture)) << "frame.png";
        QTest::newRow("voltages") << QString(QLatin1String(voltagesPicture)) << "voltages.png";
    }

    void rawPicturesAreTheCommittedOnes() {
        QFETCH(QString, path);
        QFETCH(QString, committed);
        const QImage source(QStringLiteral(QUARNEL_COMMITTED_PICTURES "/") + committed);
        QVERIFY(!source.isNull());
        QCOMPARE(readPicture(path.toLatin1().constData()),
                 source.convertToFormat(QImage::Format_RGB32));
    }

    // The signal's levels cell by cell (cells of 32 pixels from x 26; upper level y 63, lower
    // level y 111), the lavender idle stretches and the untinted data cells.
    void frameDiagram_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("idle line, upper level") << QPoint(90, 63) << signalBlue;
        QTest::newRow("idle line, 5 pixels thick (top)") << QPoint(90, 61) << signalBlue;
        QTest::newRow("idle line, 5 pixels thick (bottom)") << QPoint(90, 65) << signalBlue;
        QTest::newRow("idle band below the line") << QPoint(40, 75) << lavender;
        QTest::newRow("fall into the start bit") << QPoint(154, 87) << signalBlue;
        QTest::newRow("start bit, lower level") << QPoint(170, 111) << signalBlue;
        QTest::newRow("start bit, upper level clear") << QPoint(170, 63) << white;
        QTest::newRow("start bit, not tinted") << QPoint(170, 87) << white;
        QTest::newRow("data bit 0 is 1") << QPoint(202, 63) << signalBlue;
        QTest::newRow("data bit 1 is 0") << QPoint(234, 111) << signalBlue;
        QTest::newRow("data bit 1, upper level clear") << QPoint(234, 63) << white;
        QTest::newRow("data bit 3 is 1") << QPoint(298, 63) << signalBlue;
        QTest::newRow("data bit 5 is 0") << QPoint(362, 111) << signalBlue;
        QTest::newRow("data bit 7 is 0") << QPoint(426, 111) << signalBlue;
        QTest::newRow("data bit 7, upper level clear") << QPoint(426, 63) << white;
        // Four ones in the data: the even-parity bit is 0.
        QTest::newRow("parity bit, lower level") << QPoint(458, 111) << signalBlue;
        QTest::newRow("parity bit, upper level clear") << QPoint(458, 63) << white;
        QTest::newRow("stop bit, upper level") << QPoint(490, 63) << signalBlue;
        QTest::newRow("idle line after the frame") << QPoint(570, 63) << signalBlue;
        QTest::newRow("line ends at x 583") << QPoint(586, 63) << white;
        QTest::newRow("idle band after the frame") << QPoint(540, 90) << lavender;
        QTest::newRow("no band past the idle line") << QPoint(590, 90) << white;
    }

    void frameDiagram() {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        static const QImage image = load(framePicture);
        const QColor actual = image.pixelColor(at);
        QVERIFY2(near(actual, colour, 8), qPrintable(actual.name()));
    }

    // Four lines on a 21-pixel pitch; the first two start at x 12, the last two at x 62.
    void voltagesText_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("left");
        QTest::newRow("line 1") << 0 << 12;
        QTest::newRow("line 2") << 1 << 12;
        QTest::newRow("line 3") << 2 << 62;
        QTest::newRow("line 4") << 3 << 62;
    }

    void voltagesText() {
        QFETCH(int, line);
        QFETCH(int, left);
        static const QImage image = load(voltagesPicture);
        const QRect band(0, 21 * line, image.width(), 21);
        const int firstInk = leftmostDarkColumn(image, band);
        QVERIFY2(firstInk >= left - 1 && firstInk <= left + 2,
                 qPrintable(QString::number(firstInk)));
        QCOMPARE(countNear(image, QRect(0, 21 * line, left - 1, 21), white, 0), (left - 1) * 21);
    }

    void voltagesBackgroundIsWhite() {
        const QImage image = load(voltagesPicture);
        const QRect rightMargin(image.width() - 40, 0, 40, image.height());
        QCOMPARE(countNear(image, rightMargin, white, 0), 40 * image.height());
        const QRect belowLastLine(0, 85, image.width(), 5);
        QCOMPARE(countNear(image, belowLastLine, white, 0), image.width() * 5);
    }

    // The text rows: ink from the first row of each band, white just above it.
    void helpText_data() {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("left"); // -1: centred
        QTest::newRow("Fonctionnement programme") << 57 << 69 << -1;
        QTest::newRow("Pour faire afficher un signal") << 108 << 120 << 37;
        QTest::newRow("- Sélectionner une lettre dans la liste") << 124 << 135 << 44;
        QTest::newRow("-Puis cliquer sur envoyer") << 376 << 389 << 37;
    }

    void helpText() {
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(int, left);
        static const QImage image = load(helpPicture);
        const QRect band(0, firstRow, image.width(), lastRow - firstRow + 1);
        QCOMPARE(countNear(image, QRect(0, firstRow - 2, image.width(), 2), white, 0),
                 2 * image.width());
        QVERIFY(leftmostDarkColumn(image, QRect(0, firstRow, image.width(), 3)) >= 0);
        const int firstInk = leftmostDarkColumn(image, band);
        if (left < 0) {
            const int lastInk = rightmostDarkColumn(image, band);
            QVERIFY2(std::abs(firstInk + lastInk - image.width()) <= 4,
                     qPrintable(QString("%1..%2").arg(firstInk).arg(lastInk)));
        } else {
            QVERIFY2(std::abs(firstInk - left) <= 3, qPrintable(QString::number(firstInk)));
        }
    }

    void helpEnvoyerFrame() {
        const QImage image = load(helpPicture);
        const QRect frame(QPoint(116, 488), QPoint(236, 540));
        for (int x = frame.left(); x <= frame.right(); ++x) {
            QVERIFY(near(image.pixelColor(x, frame.top()), frameRed, 4));
            QVERIFY(near(image.pixelColor(x, frame.bottom()), frameRed, 4));
        }
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            QVERIFY(near(image.pixelColor(frame.left(), y), frameRed, 4));
            QVERIFY(near(image.pixelColor(frame.right(), y), frameRed, 4));
        }
        QCOMPARE(countNear(image, frame.adjusted(-3, -3, 3, 3), frameRed, 4),
                 countNear(image, frame, frameRed, 4));
        QCOMPARE(countNear(image, frame.adjusted(4, 4, -4, -4), frameRed, 40), 0);
    }

    void helpScreenshots() {
        const QImage image = load(helpPicture);
        // The highlighted letter "c" in the dropped-down list.
        const QRect listShot(51, 176, 301, 147);
        const QColor highlight(0, 120, 215);
        QVERIFY(countNear(image, listShot, highlight, 40) > 100);
        QCOMPARE(countNear(image, QRect(0, 0, 400, 176), highlight, 40), 0);
        // The caption buttons' glyphs at the top of the second shot, nothing above them.
        QVERIFY(leftmostDarkColumn(image, QRect(120, 440, 150, 10)) >= 0);
        QCOMPARE(leftmostDarkColumn(image, QRect(0, 400, 400, 40)), -1);
        // White between the two shots and below the last one.
        QCOMPARE(countNear(image, QRect(0, 324, 400, 50), white, 0), 400 * 50);
        QCOMPARE(countNear(image, QRect(0, 545, 400, 55), white, 0), 400 * 55);
    }

    void icon_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top left corner") << QPoint(0, 0) << "transparent";
        QTest::newRow("top right corner") << QPoint(49, 0) << "transparent";
        QTest::newRow("bottom left corner") << QPoint(0, 49) << "transparent";
        QTest::newRow("bottom right corner") << QPoint(49, 49) << "transparent";
        QTest::newRow("inside the dial") << QPoint(25, 25) << "opaque";
        QTest::newRow("rim, top") << QPoint(25, 2) << "green";
        QTest::newRow("rim, left") << QPoint(2, 25) << "green";
        QTest::newRow("rim, right") << QPoint(47, 25) << "green";
        QTest::newRow("rim, bottom") << QPoint(25, 47) << "green";
        QTest::newRow("letter R") << QPoint(11, 30) << "red";
        QTest::newRow("letter S") << QPoint(40, 31) << "blue";
    }

    void icon() {
        QFETCH(QPoint, at);
        QFETCH(QString, expected);
        static const QImage image = load(applicationIcon);
        const QColor c = image.pixelColor(at);
        if (expected == "transparent") {
            QCOMPARE(c.alpha(), 0);
            return;
        }
        QCOMPARE(c.alpha(), 255);
        const int r = c.red(), g = c.green(), b = c.blue();
        if (expected == "green")
            QVERIFY2(g > r + 60 && g > b + 60, qPrintable(c.name()));
        else if (expected == "red")
            QVERIFY2(r > g + 100 && r > b + 100, qPrintable(c.name()));
        else if (expected == "blue")
            QVERIFY2(b > r + 100 && b > g + 60, qPrintable(c.name()));
    }
};

QTEST_GUILESS_MAIN(ResourcesTest)
#include "resources_test.moc"
