// The program's style must be the desktop's style: the overflow arrows it defers are the
// base style's arrows once drawn, in either reading direction, and every other icon is the
// base style's own.
#include "program_style.h"
#include "test_main.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

QImage drawn(const QIcon& icon, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(0, 0), size));
    return image;
}

} // namespace

class ProgramStyleTest : public QObject {
    Q_OBJECT

private slots:
    void iconsAreTheBaseStyles_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("horizontal overflow")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::LeftToRight;
        QTest::newRow("horizontal overflow, right to left")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::RightToLeft;
        QTest::newRow("vertical overflow")
            << int(QStyle::SP_ToolBarVerticalExtensionButton) << Qt::LeftToRight;
        QTest::newRow("message box warning")
            << int(QStyle::SP_MessageBoxWarning) << Qt::LeftToRight;
    }

    void iconsAreTheBaseStyles() {
        QFETCH(int, which);
        QFETCH(Qt::LayoutDirection, direction);
        const auto pixmap = QStyle::StandardPixmap(which);
        QStyleOption option;
        option.direction = direction;

        quarnel::ProgramStyle style;
        const QIcon ours = style.standardIcon(pixmap, &option);
        const QIcon base = style.baseStyle()->standardIcon(pixmap, &option);
        QVERIFY(!base.isNull());
        QVERIFY(!ours.isNull());
        QCOMPARE(ours.availableSizes(), base.availableSizes());
        for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(32, 32)}) {
            QCOMPARE(ours.actualSize(size), base.actualSize(size));
            QCOMPARE(ours.pixmap(size).toImage(), base.pixmap(size).toImage());
            QCOMPARE(drawn(ours, size), drawn(base, size));
        }
    }

    // A deferred icon outliving its style has nothing to draw, and says so.
    void iconOutlivingItsStyleIsEmpty() {
        QIcon orphan;
        {
            quarnel::ProgramStyle style;
            orphan = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        }
        QVERIFY(orphan.isNull());
        QVERIFY(orphan.pixmap(16).isNull());
    }

    void theApplicationRunsInIt() {
        QVERIFY(qobject_cast<quarnel::ProgramStyle*>(QApplication::style()));
    }
};

QUARNEL_TEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
