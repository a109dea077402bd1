#include "help_shots_from_program.h"

#include "help_picture.h"
#include "letter_list.h"
#include "unit1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quarnel::pictures {

namespace {

QImage listDroppedDown(Tprogramme& window) {
    QWidget* client = window.centralWidget();
    window.liste->lineEdit()->setFocus();
    window.liste->lineEdit()->selectAll();
    window.liste->showPopup();
    QAbstractItemView* view = window.liste->view();
    view->setCurrentIndex(view->model()->index(2, 0)); // "c" under the pointer
    QApplication::processEvents();

    const QSize size = helpListShotArea.size();
    QImage shot(size, QImage::Format_RGB32);
    QPainter painter(&shot);
    painter.drawPixmap(0, 0, client->grab(QRect(QPoint(0, 0), size)));
    QWidget* popup = view->window();
    const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - client->mapToGlobal(QPoint(0, 0));
    painter.drawPixmap(at, popup->grab());
    window.liste->hidePopup();
    return shot;
}

} // namespace

HelpShots programHelpShots() {
    HelpShots shots = standInHelpShots();
    Tprogramme window;
    window.show();
    QApplication::processEvents();
    shots.listShot = listDroppedDown(window);

    // "Envoyer" stands at columns 88 to 162, rows 50 to 74 of the window-top shot.
    QPainter painter(&shots.windowTopShot);
    painter.drawPixmap(88, 50, window.Button1->grab());
    return shots;
}

} // namespace quarnel::pictures
