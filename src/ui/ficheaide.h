#pragma once

#include <QWidget>

class QLabel;

// The help window: one picture that shows how to make the program draw a signal. Owned by the
// main window, it stays in front of it and has no taskbar button; closing it only hides it.
class Taide : public QWidget {
public:
    explicit Taide(QWidget* owner);

    // Makes the window visible, raises it and makes it active; returns at once.
    void Show();

    QLabel* Image1;
};

extern Taide* aide;
