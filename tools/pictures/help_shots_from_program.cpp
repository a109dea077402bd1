#include "help_shots_from_program.h"

#include "chart_layout.h"
#include "help_picture.h"
#include "letter_list.h"
#include "program_windows.h"
#include "signal_chart.h"
#include "unit1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace quarnel::pictures {

namespace {

const QColor cream(255, 251, 240);
const QColor frameFace(240, 240, 240);
const QColor shadow(160, 160, 160);

// Where the list shot's area starts in the window's client area. It ends just after the "h"
// of "Code ASCII en hexadécimal", as a cut screenshot does, and low enough to show the
// voltage axis label "6" beneath the open list.
QPoint listShotOrigin(const Tprogramme& window) {
    const QSize size = helpListShotArea.size();
    const QLabel* label = window.Label1;
    const QPoint labelCorner = label->mapTo(window.centralWidget(), QPoint(0, 0));
    const int right = labelCorner.x() + label->fontMetrics().horizontalAdvance("Code ASCII en h");

    int bottom = size.height() - 1;
    for (const AxisMark& mark : window.Chart1->CurrentLayout().leftMarks) {
        if (mark.value == 6)
            bottom = window.Chart1->y() + mark.textBox.bottom() + 2;
    }
    return {right - size.width(), std::max(0, bottom - size.height() + 1)};
}

QImage listDroppedDown(Tprogramme& window) {
    QWidget* client = window.centralWidget();
    window.liste->setFocus(Qt::TabFocusReason); // selects the text, as Tab does
    window.liste->showPopup();
    QAbstractItemView* view = window.liste->view();
    view->setCurrentIndex(view->model()->index(2, 0)); // "c" under the pointer
    QApplication::processEvents();

    const QPoint origin = listShotOrigin(window);
    // Off screen, the open list takes the focus for another reason than on the desktop, and
    // the field drops its selection; the shot shows it as the desktop does.
    window.liste->lineEdit()->selectAll();
    QImage shot(helpListShotArea.size(), QImage::Format_RGB32);
    QPainter painter(&shot);
    // Left of the client area stands the window's border.
    painter.fillRect(shot.rect(), frameFace);
    painter.setPen(shadow);
    painter.drawLine(-origin.x() - 4, 0, -origin.x() - 4, shot.height());
    const QRect grabbed = QRect(origin, shot.size()).intersected(client->rect());
    painter.drawPixmap(grabbed.topLeft() - origin, client->grab(grabbed));
    QWidget* popup = view->window();
    const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - client->mapToGlobal(origin);
    painter.drawPixmap(at, popup->grab());
    window.liste->hidePopup();
    return shot;
}

// The main window's top right corner as the desktop draws it: caption buttons, the menu
// bar's lower edge, and the input panel's right end, where "Envoyer" is put.
QImage windowTop() {
    constexpr int clientTop = 41;
    constexpr int panelRight = 192;
    QImage shot(helpWindowTopShotArea.size(), QImage::Format_RGB32);
    QPainter p(&shot);
    p.fillRect(shot.rect(), Qt::white);
    p.fillRect(0, clientTop, shot.width(), shot.height() - clientTop, cream);
    p.fillRect(0, clientTop - 2, shot.width(), 2, QColor(204, 204, 204));
    p.setPen(Qt::white);
    p.drawLine(0, clientTop, panelRight, clientTop);
    p.setPen(shadow);
    p.drawLine(panelRight, clientTop, panelRight, shot.height());
    p.drawLine(shot.width() - 1, 0, shot.width() - 1, shot.height()); // the window's border

    // Minimize, maximize and close glyphs, 10 pixels square, on 46-pixel buttons.
    p.setPen(Qt::black);
    p.drawLine(90, 5, 99, 5);
    p.drawRect(136, 0, 9, 9);
    p.drawLine(182, 0, 191, 9);
    p.drawLine(191, 0, 182, 9);
    return shot;
}

} // namespace

HelpShots programHelpShots() {
    const bool animated = QApplication::isEffectEnabled(Qt::UI_AnimateCombo);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    ProgramWindows windows;
    windows.show();
    programme->activateWindow();
    // The window becomes active a little later, and the list takes the focus only then.
    for (int round = 0; round < 1000 && !programme->isActiveWindow(); ++round)
        QApplication::processEvents();
    HelpShots shots{listDroppedDown(*programme), windowTop()};
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, animated);

    // "Envoyer" stands at columns 88 to 162, rows 50 to 74 of the window-top shot.
    QPainter painter(&shots.windowTopShot);
    painter.drawPixmap(88, 50, programme->Button1->grab());
    return shots;
}

} // namespace quarnel::pictures
