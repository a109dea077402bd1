// The launch show request, honoured under a real window manager.
#include "program_fixture.h"
#include "show_request.h"
#include "test_main.h"

class ShowRequestTest : public QObject {
    Q_OBJECT

private slots:
    // First: at launch no other window of the program exists. (When a window has just been
    // destroyed, the window manager gives the focus back to the next one, which would restore
    // a minimized window whatever it asked for.)
    void minimized_request_starts_on_the_taskbar_without_activating() {
        ProgramWindows windows;
        quarnel::showMainWindow(*programme, quarnel::ShowRequest::MinimizedWithoutActivation);
        QTRY_VERIFY(programme->isMinimized());
        QVERIFY(!programme->isActiveWindow());
        // Restoring it brings the window back at its size.
        programme->showNormal();
        programme->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(programme));
        QCOMPARE(programme->centralWidget()->size(), QSize(657, 708));
    }

    void normal_request_shows_an_active_window() {
        ProgramWindows windows;
        quarnel::showMainWindow(*programme, quarnel::ShowRequest::Normal);
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        QCOMPARE(programme->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized),
                 Qt::WindowNoState);
    }

    void maximized_request_keeps_the_client_area() {
        ProgramWindows windows;
        quarnel::showMainWindow(*programme, quarnel::ShowRequest::Maximized);
        QVERIFY(QTest::qWaitForWindowExposed(programme));
        QTRY_VERIFY(programme->windowState() & Qt::WindowMaximized);
        QCOMPARE(programme->centralWidget()->size(), QSize(657, 708));
    }
};

QUARNEL_TEST_MAIN(ShowRequestTest)
#include "show_request_test.moc"
