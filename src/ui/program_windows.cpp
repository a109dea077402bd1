#include "program_windows.h"

#include "application.h"
#include "ficheaide.h"
#include "unit1.h"

namespace quarnel {

ProgramWindows::ProgramWindows() {
    programme = new Tprogramme;
    Application::instance()->setMainWindow(programme);
    aide = new Taide(programme);
}

ProgramWindows::~ProgramWindows() {
    delete programme; // owns the help window
    programme = nullptr;
    aide = nullptr;
}

void ProgramWindows::show() {
    programme->show();
}

} // namespace quarnel
