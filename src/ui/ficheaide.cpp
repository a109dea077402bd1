#include "ficheaide.h"

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
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/help.png")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->move(0, 0);
    Image1->resize(Image1->pixmap().isNull() ? QSize(400, 600) : Image1->pixmap().size());

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
