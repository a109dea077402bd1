#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace quarnel {

// The application object: the title of the message boxes, the application icon and the main
// window, whose closing ends the program.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    static Application* instance() {
        return qobject_cast<Application*>(QCoreApplication::instance());
    }

    const QString& title() const { return title_; }

    // The first window created becomes the main window; closing it quits, whatever other
    // window is open.
    void setMainWindow(QWidget* window);
    QWidget* mainWindow() const { return mainWindow_; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QString title_;
    QPointer<QWidget> mainWindow_;
};

} // namespace quarnel
