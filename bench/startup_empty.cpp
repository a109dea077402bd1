// The yardstick for start-up: an empty Qt window, built with the same compiler and flags,
// about the size of the program's main window (657 x 708 under a menu bar), stopped after
// its first paint.
#include "first_paint_exit.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);

    auto* window = new QWidget;
    window->resize(657, 729);
    quarnel::bench::FirstPaintExit firstPaint(window);

    window->show();
    application.exec();

    delete window;
    return 0;
}
