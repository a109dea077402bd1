#include "application.h"
#include "ficheaide.h"
#include "show_request.h"
#include "unit1.h"

int main(int argc, char** argv) {
    quarnel::Application application(argc, argv);

    programme = new Tprogramme;
    application.setMainWindow(programme);
    aide = new Taide(programme);

    quarnel::showMainWindow(*programme, quarnel::launchShowRequest());
    application.exec();

    delete programme; // owns the help window
    return 0;
}
