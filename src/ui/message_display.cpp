#include "message_display.h"

#include "application.h"
#include "error.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace quarnel {

namespace {

// Centres a box on the work area (the screen less its panels) of its owner's screen, once it
// knows its own size.
class CentreOnWorkArea : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* box = static_cast<QWidget*>(watched);
            const QWidget* owner = box->parentWidget();
            QScreen* screen = owner ? owner->screen() : box->screen();
            QRect frame = box->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            box->move(frame.topLeft());
        }
        return false;
    }
};

// The window that owns a box: the active one, or the main window when none is active.
QWidget* boxOwner() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return Application::instance() ? Application::instance()->mainWindow() : nullptr;
}

void runModal(QMessageBox& box) {
    box.setWindowModality(Qt::ApplicationModal);
    CentreOnWorkArea centring;
    box.installEventFilter(&centring);
    // exec() disables the other windows and gives focus back to the control that had it.
    box.exec();
}

QString titleForBoxes() {
    return Application::instance() ? Application::instance()->title()
                                   : QApplication::applicationName();
}

} // namespace

QString withFinalFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void showInformation(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, titleForBoxes(), text, QMessageBox::NoButton, boxOwner());
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    runModal(box);
}

void showException(const std::exception& error) {
    const auto* ours = dynamic_cast<const Error*>(&error);
    const QString message =
        ours ? QString::fromStdU16String(ours->message()) : QString::fromUtf8(error.what());
    QMessageBox box(QMessageBox::Critical, titleForBoxes(), withFinalFullStop(message),
                    QMessageBox::Ok, boxOwner());
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(QMessageBox::Ok);
    runModal(box);
}

} // namespace quarnel
