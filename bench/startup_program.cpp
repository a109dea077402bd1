// The program's start-up, stopped after the main window's first paint: the windows are built
// and shown as the program's own entry does.
#include "application.h"
#include "ficheaide.h"
#include "first_paint_exit.h"
#include "show_request.h"
#include "unit1.h"

int main(int argc, char** argv) {
    quarnel::Application application(argc, argv);

    programme = new Tprogramme;
    application.setMainWindow(programme);
    aide = new Taide(programme);
    quarnel::bench::FirstPaintExit firstPaint(programme);

    quarnel::showMainWindow(*programme, quarnel::launchShowRequest());
    application.exec();

    delete programme; // owns the help window
    return 0;
}
