// The help window: one window, owned by the main window, fixed in size, hidden on close.
#include "program_fixture.h"
#include "test_main.h"

#include <QAction>
#include <QLabel>

class HelpWindowTest : public QObject {
    Q_OBJECT

    static int helpWindows() {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += qobject_cast<QWidget*>(window) && window->objectName() == "aide" ? 1 : 0;
        return count;
    }

private slots:
    void created_hidden_and_owned() {
        ProgramWindows windows;
        QVERIFY(aide->isHidden());
        QVERIFY(aide->isWindow());
        QCOMPARE(aide->parentWidget(), static_cast<QWidget*>(programme));
        QCOMPARE(aide->windowTitle(), QStringLiteral("aide"));
        QVERIFY(!aide->testAttribute(Qt::WA_QuitOnClose));
    }

    void shown_twice_is_one_window() {
        ProgramWindows windows;
        programme->show();
        programme->Aide1->trigger();
        programme->Aide1->trigger();
        QVERIFY(aide->isVisible());
        QCOMPARE(helpWindows(), 1);
    }

    void picture_fills_a_fixed_client_area() {
        ProgramWindows windows;
        aide->Show();
        QVERIFY(QTest::qWaitForWindowExposed(aide));
        QCOMPARE(aide->size(), QSize(400, 600));
        QCOMPARE(aide->minimumSize(), aide->maximumSize());
        QCOMPARE(aide->Image1->geometry(), QRect(0, 0, 400, 600));
        QVERIFY(!aide->Image1->pixmap().isNull());
        QCOMPARE(aide->Image1->pixmap().size(), QSize(400, 600));
        aide->resize(500, 700);
        QCOMPARE(aide->size(), QSize(400, 600));
    }

    void close_hides_and_show_returns_to_the_same_place() {
        ProgramWindows windows;
        programme->show();
        aide->Show();
        QVERIFY(QTest::qWaitForWindowExposed(aide));
        aide->move(123, 77);
        const QPoint place = aide->pos();
        QVERIFY(aide->close());
        QVERIFY(aide->isHidden());
        QVERIFY(programme->isVisible());
        aide->Show();
        QCOMPARE(aide->pos(), place);
    }
};

QUARNEL_TEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
