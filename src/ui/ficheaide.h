#pragma once

#include <QWidget>
#include <optional>

class QLabel;

// The help window: one picture that shows how to make the program draw a signal. Owned by the
// main window, it stays in front of it and has no taskbar button; closing it only hides it.
class Taide : public QWidget {
public:
    explicit Taide(QWidget* owner);

    // Makes the window visible, raises it and makes it active; returns at once.
    void Show();

    QLabel* Image1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Qt gives up the platform window when the user closes it; its place is kept here so that
    // the next Show puts it back where the user left it.
    std::optional<QPoint> lastPlace_;
    // Hidden because the main window was minimized, to come back when it is restored.
    bool hiddenWithOwner_ = false;
};

extern Taide* aide;
