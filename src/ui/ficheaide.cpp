#include "ficheaide.h"

#include "picture_files.h"
#include "resource_paths.h"
#include "window_fonts.h"

#include <QHideEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>

Taide* aide = nullptr;

Taide::Taide(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("aide"));
    setWindowTitle(QStringLiteral("aide"));
    setFont(quarnel::tahoma(11));
    setAttribute(Qt::WA_QuitOnClose, false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Fonctionnement programme"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->move(0, 0);
    // Only the picture's size is read now; it is decoded when the window is first shown.
    const QSize pictureSize = quarnel::resources::pictureSize(quarnel::resources::helpPicture);
    Image1->resize(pictureSize.isValid() ? pictureSize : QSize(400, 600));

    // An owned window goes and comes back with its owner.
    owner->installEventFilter(this);

    // The window always fits its picture: the frame cannot resize it.
    setFixedSize(Image1->size());
}

void Taide::Show() {
    if (isHidden() && lastPlace_)
        move(*lastPlace_);
    show();
    raise();
    activateWindow();
}

void Taide::showEvent(QShowEvent* event) {
    // Decoding the picture costs about as much as building the main window, and most sessions
    // never open help: it waits until the window is first shown.
    if (Image1->pixmap().isNull())
        Image1->setPixmap(
            QPixmap::fromImage(quarnel::resources::readPicture(quarnel::resources::helpPicture)));
    QWidget::showEvent(event);
}

void Taide::hideEvent(QHideEvent* event) {
    // A hide that comes with minimizing the main window is not a close: the window keeps its
    // platform window and its place.
    if (!event->spontaneous())
        lastPlace_ = pos();
    QWidget::hideEvent(event);
}

bool Taide::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::WindowStateChange) {
        const bool ownerMinimized = parentWidget()->isMinimized();
        if (ownerMinimized && isVisible()) {
            hiddenWithOwner_ = true;
            hide();
        } else if (!ownerMinimized && hiddenWithOwner_) {
            hiddenWithOwner_ = false;
            show();
        }
    }
    return QWidget::eventFilter(watched, event);
}
