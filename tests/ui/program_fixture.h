#pragma once

#include "application.h"
#include "ficheaide.h"
#include "unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// The program's two windows, built as at start-up, and torn down after each test.
struct ProgramWindows {
    ProgramWindows() {
        programme = new Tprogramme;
        quarnel::Application::instance()->setMainWindow(programme);
        aide = new Taide(programme);
    }
    ~ProgramWindows() {
        delete programme;
        programme = nullptr;
        aide = nullptr;
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
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
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

// Reads and dismisses (with Escape) every modal box that opens while it lives.
class BoxWatcher {
public:
    BoxWatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Boxes live on the stack, so a second box may have the first one's address: a box
            // counts once, while it is visible.
            if (!box || !box->isVisible())
                return;
            texts_ << box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        timer_.start();
    }
    const QStringList& texts() const { return texts_; }

private:
    QTimer timer_;
    QStringList texts_;
};
