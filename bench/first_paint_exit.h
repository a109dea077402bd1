#pragma once

#include <QObject>

class QWidget;

namespace quarnel::bench {

// Ends the event loop once `window` has been painted for the first time, children included,
// and writes "first-paint NS" on standard output, NS being CLOCK_MONOTONIC in nanoseconds,
// so that whoever started the process can tell how long the first picture took.
class FirstPaintExit : public QObject {
public:
    explicit FirstPaintExit(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen_ = false;
};

} // namespace quarnel::bench
