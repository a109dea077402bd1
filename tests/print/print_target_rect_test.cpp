// Where the printed picture goes: the margins, in percent of the printable area, rounded to
// whole device pixels.
#include "print_target_rect.h"

#include <QTest>

using quarnel::PrintMargins;
using quarnel::printTargetRect;

Q_DECLARE_METATYPE(PrintMargins)

class PrintTargetRectTest : public QObject {
    Q_OBJECT

private slots:
    void marginsLeaveTheTarget_data();
    void marginsLeaveTheTarget();
};

void PrintTargetRectTest::marginsLeaveTheTarget_data() {
    QTest::addColumn<QSize>("printable");
    QTest::addColumn<PrintMargins>("margins");
    QTest::addColumn<QRect>("expected");

    const PrintMargins chart{16, 8, 13, 52};
    // 1533.28, 1095.92, 1245.79, 7123.48 pixels of margin.
    QTest::newRow("A4 portrait at 1200 dpi")
        << QSize(9583, 13699) << chart
        << QRect(1533, 1096, 9583 - 1533 - 1246, 13699 - 1096 - 7123);
    // 2191.84, 766.64, 1780.87, 4983.16.
    QTest::newRow("A4 landscape at 1200 dpi")
        << QSize(13699, 9583) << chart << QRect(2192, 767, 13699 - 2192 - 1781, 9583 - 767 - 4983);
    // 776, 508, 630.5 (a half: rounds up), 3302.
    QTest::newRow("odd size, right margin on a half")
        << QSize(4850, 6350) << chart << QRect(776, 508, 4850 - 776 - 631, 6350 - 508 - 3302);
    // 8, 2, 6.5 (up), 13.
    QTest::newRow("small page, right margin on a half")
        << QSize(50, 25) << chart << QRect(8, 2, 50 - 8 - 7, 25 - 2 - 13);
    // 0.16 and 0.13 round down, 0.52 rounds up: no room is left in height.
    QTest::newRow("one pixel") << QSize(1, 1) << chart << QRect(0, 0, 1, 0);
    QTest::newRow("empty printable area") << QSize(0, 0) << chart << QRect(0, 0, 0, 0);
    // All four margins different, so that exchanging any two shows.
    QTest::newRow("each margin on its own side")
        << QSize(1000, 2000) << PrintMargins{10, 20, 30, 40} << QRect(100, 400, 600, 800);
    QTest::newRow("margins wider than the page")
        << QSize(100, 100) << PrintMargins{60, 0, 60, 0} << QRect(60, 0, 0, 100);
}

void PrintTargetRectTest::marginsLeaveTheTarget() {
    QFETCH(QSize, printable);
    QFETCH(PrintMargins, margins);
    QFETCH(QRect, expected);

    QCOMPARE(printTargetRect(printable, margins), expected);
}

QTEST_GUILESS_MAIN(PrintTargetRectTest)
#include "print_target_rect_test.moc"
