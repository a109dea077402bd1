// What any window that shows text in the program's fonts pays at start-up, and nothing of
// the program: fontconfig and Qt's font database, Tahoma loaded as the program loads it, one
// font engine for each of the program's four faces (Tahoma 11 and 20 pixels, the chart's
// Arial, and the desktop's own font, which the menu bar uses) and their glyphs. It puts the
// program's start-up instructions in proportion: the empty window draws no text at all.
#include "first_paint_exit.h"
#include "window_fonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    quarnel::loadWindowFonts();

    auto* window = new QWidget;
    window->resize(657, 729);
    auto* menuText = new QLabel(QStringLiteral("Aide Imprimer courbe"), window);
    menuText->move(10, 160); // in the desktop's font, before the window takes Tahoma
    window->setFont(quarnel::tahoma(11));
    menuText->setFont(QApplication::font(menuText));
    auto* label = new QLabel(QStringLiteral("Code ASCII en hexadécimal"), window);
    label->move(10, 10);
    auto* field = new QLineEdit(window);
    field->setGeometry(10, 40, 121, 21);
    auto* large = new QLabel(QStringLiteral("Attention le début de la trame"), window);
    large->setFont(quarnel::tahoma(20));
    large->move(10, 80);
    auto* chartText = new QLabel(QStringLiteral("0 50 100 150 Temps (micro seconde)"), window);
    QFont chartFont(QStringLiteral("Arial")); // as the chart draws its text
    chartFont.setPixelSize(11);
    chartText->setFont(chartFont);
    chartText->move(10, 120);
    quarnel::bench::FirstPaintExit firstPaint(window);

    window->show();
    application.exec();

    delete window;
    return 0;
}
