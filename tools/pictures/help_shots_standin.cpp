#include "help_shots_standin.h"

#include "help_picture.h"
#include "picture_fonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace quarnel::pictures {

namespace {

const QColor cream(255, 251, 240);
const QColor buttonFace(240, 240, 240);
const QColor shadow(160, 160, 160);
const QColor gridSilver(192, 192, 192);
const QColor tickGrey(128, 128, 128);

// The part of the main window behind the letter list: the input panel's lower left corner
// and, below it, the top left of the chart with its tick label "6". Coordinates are those of
// the shot; `comboLeft` is where the letter list stands.
class ListBackdrop : public QWidget {
public:
    static constexpr int comboTop = 4;

    explicit ListBackdrop(int comboLeft) : comboLeft_(comboLeft) {
        setFixedSize(helpListShotArea.size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // Window offsets of the main window's layout, relative to the letter list.
        const int panelLeft = comboLeft_ - 9;
        const int panelBottom = comboTop - 11 + 79;
        const int chartTop = comboTop - 11 + 90;
        const int plotLeft = comboLeft_ + 20;
        const int plotTop = chartTop + 18;
        const double pixelsPerTwoVolts = 18.5;
        const double pixelsPerFiftyMicroseconds = 46.8;

        QPainter p(this);
        p.fillRect(rect(), cream);
        p.setPen(Qt::white);
        p.drawLine(panelLeft, 0, panelLeft, panelBottom);
        p.setPen(shadow);
        p.drawLine(panelLeft, panelBottom, width(), panelBottom);

        p.fillRect(0, chartTop, width(), height() - chartTop, buttonFace);
        p.setPen(Qt::white);
        p.drawLine(0, chartTop, width(), chartTop);

        p.setPen(gridSilver);
        for (int level = 1; level <= 2; ++level) {
            const int y = plotTop + qRound(level * pixelsPerTwoVolts);
            p.drawLine(plotLeft, y, width(), y);
        }
        for (int step = 1; plotLeft + step * pixelsPerFiftyMicroseconds < width(); ++step) {
            const int x = plotLeft + qRound(step * pixelsPerFiftyMicroseconds);
            p.drawLine(x, plotTop, x, height());
        }
        p.setPen(Qt::black);
        p.drawLine(plotLeft, plotTop, width(), plotTop);
        p.fillRect(plotLeft - 1, plotTop, 2, height() - plotTop, Qt::black);

        // Ticks and the voltage label that shows beneath the dropped-down list.
        const int sixVolts = plotTop + qRound(2 * pixelsPerTwoVolts);
        p.setPen(tickGrey);
        for (int level = 0; level <= 2; ++level) {
            const int y = plotTop + qRound(level * pixelsPerTwoVolts);
            p.drawLine(plotLeft - 6, y, plotLeft - 2, y);
        }
        p.setPen(Qt::black);
        p.setFont(sans(11));
        p.drawText(QRect(0, sixVolts - 8, plotLeft - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                   "6");
    }

private:
    int comboLeft_;
};

QImage letterListShot() {
    // The shot ends just after the "h" of the label beside the list, as in a cut screenshot.
    const int labelLeft = helpListShotArea.width() -
                          QFontMetrics(QApplication::font()).horizontalAdvance("Code ASCII en h");
    const int comboLeft = labelLeft - (210 - 27);

    ListBackdrop backdrop(comboLeft);
    auto* label = new QLabel("Code ASCII en hexadécimal", &backdrop);
    label->move(labelLeft, ListBackdrop::comboTop + 10);

    auto* list = new QComboBox(&backdrop);
    list->setEditable(true);
    list->setMaxVisibleItems(8);
    for (char letter = 'a'; letter <= 'w'; ++letter)
        list->addItem(QString(QChar(letter)));
    // Items one text line high, as the desktop's own lists draw them.
    for (int row = 0; row < list->count(); ++row)
        list->setItemData(row, QSize(0, 13), Qt::SizeHintRole);
    list->setGeometry(comboLeft, ListBackdrop::comboTop, 161, 21);
    list->setEditText("Choisir une lettre");

    backdrop.move(100, 100);
    backdrop.show();
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(2, 0));
    list->lineEdit()->selectAll();

    QImage shot = backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QWidget* popup = list->view()->window();
    QPainter p(&shot);
    p.drawPixmap(backdrop.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    p.end();
    list->hidePopup();
    return shot;
}

// The main window's top right corner: caption buttons, the menu bar's lower edge, and the
// input panel with "Envoyer".
class WindowTopBackdrop : public QWidget {
public:
    WindowTopBackdrop() { setFixedSize(helpWindowTopShotArea.size()); }

protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int clientTop = 41;
        constexpr int panelRight = 192;
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(0, clientTop, width(), height() - clientTop, cream);
        p.fillRect(0, clientTop - 2, width(), 2, QColor(204, 204, 204));
        p.setPen(Qt::white);
        p.drawLine(0, clientTop, panelRight, clientTop);
        p.setPen(shadow);
        p.drawLine(panelRight, clientTop, panelRight, height());
        p.drawLine(width() - 1, 0, width() - 1, height()); // the window's own border

        // Minimize, maximize and close glyphs, 10 pixels square, on 46-pixel buttons.
        p.setPen(Qt::black);
        p.drawLine(90, 5, 99, 5);
        p.drawRect(136, 0, 9, 9);
        p.drawLine(182, 0, 191, 9);
        p.drawLine(191, 0, 182, 9);
    }
};

QImage windowTopShot() {
    WindowTopBackdrop backdrop;
    auto* send = new QPushButton("Envoyer", &backdrop);
    send->setGeometry(88, 50, 75, 25);
    backdrop.show();
    return backdrop.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

HelpShots standInHelpShots() {
    const bool animated = QApplication::isEffectEnabled(Qt::UI_AnimateCombo);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    HelpShots shots{letterListShot(), windowTopShot()};
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, animated);
    return shots;
}

} // namespace quarnel::pictures
