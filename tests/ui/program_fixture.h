#pragma once

#include "application.h"
#include "ficheaide.h"
#include "frame_trace.h"
#include "line_series.h"
#include "program_windows.h"
#include "unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

// The program's two windows, built as at start-up, and torn down after each test.
struct ProgramWindows : quarnel::ProgramWindows {
    // Shows the main window and makes it active, as the desktop does at start-up.
    [[nodiscard]] bool showActive() {
        show();
        programme->activateWindow();
        return QTest::qWaitForWindowActive(programme);
    }
};

// What a message box showed before it was dismissed.
struct SeenBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Arranges for the next modal box to be read and then dismissed by `dismiss` (by default the
// Escape key). Call before the action that raises the box.
inline void expectBox(SeenBox& seen, std::function<void(QMessageBox*)> dismiss = {}) {
    QTimer::singleShot(0, [&seen, dismiss] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.shown = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        if (dismiss)
            dismiss(box);
        else
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
    });
}

// The points of the chart's series, in their order.
inline std::vector<quarnel::TracePoint> seriesPoints() {
    std::vector<quarnel::TracePoint> points;
    for (int i = 0; i < programme->Series1->Count(); ++i)
        points.push_back({programme->Series1->XValue(i), programme->Series1->YValue(i)});
    return points;
}
