// Answers every message box the moment it shows, so that a handler can be run thousands of
// times: the box is still really shown, modal, and dismissed with Escape as a user would.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

class BoxAnswerer : public QObject {
public:
    BoxAnswerer() { qApp->installEventFilter(this); }
    ~BoxAnswerer() override { qApp->removeEventFilter(this); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const QStringList& texts() const { return texts_; }
    void clear() { texts_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            texts_ << box->text();
            // Not at once: the box's own event loop has not started yet, and a box closed
            // before it starts would never return.
            QTimer::singleShot(0, box, [answered = QPointer<QMessageBox>(box)] {
                if (answered && answered->isVisible())
                    QTest::keyClick(answered->windowHandle(), Qt::Key_Escape);
            });
        }
        return false;
    }

private:
    QStringList texts_;
};
