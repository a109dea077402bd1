#include "application.h"
#include "program_windows.h"

int main(int argc, char** argv) {
    quarnel::Application application(argc, argv);
    quarnel::ProgramWindows windows;
    windows.show();
    application.exec();
    return 0;
}
