#include "ficheaide.h"

#include "window_fonts.h"

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

    // The window always fits its picture: the frame cannot resize it.
    setFixedSize(Image1->size());
}

void Taide::Show() {
    show();
    raise();
    activateWindow();
}
