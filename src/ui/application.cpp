#include "application.h"

#include "application_title.h"
#include "picture_files.h"
#include "resource_paths.h"
#include "window_fonts.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>

namespace quarnel {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), title_(applicationTitle(applicationFilePath())) {
    setWindowIcon(QPixmap::fromImage(resources::readPicture(resources::applicationIcon)));
    setQuitOnLastWindowClosed(false);
    loadWindowFonts();
}

void Application::setMainWindow(QWidget* window) {
    if (mainWindow_)
        return;
    mainWindow_ = window;
    window->installEventFilter(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    // Closing the main window ends the program, even while the help window is open.
    if (watched == mainWindow_ && event->type() == QEvent::Close && event->isAccepted())
        QCoreApplication::postEvent(this, new QEvent(QEvent::Quit));
    return QApplication::eventFilter(watched, event);
}

} // namespace quarnel
