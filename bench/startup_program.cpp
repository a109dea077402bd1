// The program's start-up, stopped after the main window's first paint: the windows are built
// and shown as the program's own entry does.
#include "application.h"
#include "first_paint_exit.h"
#include "program_windows.h"
#include "unit1.h"

int main(int argc, char** argv) {
    quarnel::Application application(argc, argv);
    quarnel::ProgramWindows windows;
    quarnel::bench::FirstPaintExit firstPaint(programme);
    windows.show();
    application.exec();
    return 0;
}
