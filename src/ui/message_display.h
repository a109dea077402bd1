#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace quarnel {

// An error message as the exception display shows it: a full stop is added unless the text
// is empty or already ends in a character coded U+002E or lower (".", ",", "-", "'", ")"…).
QString withFinalFullStop(const QString& message);

// The information box: the application title as caption, no icon, the text unchanged and one
// "OK" button; modal, centred on the work area of the active window's screen. Returns when
// the user has dismissed it (OK, Enter, Esc or the close button).
void showInformation(const QString& text);

// The exception display: the platform's error box with the application title as caption.
void showException(const std::exception& error);

// Runs one event handler to completion or to its first error, which is shown by the exception
// display; what the handler changed before the error stays changed. Errors never leave it,
// so they never cross Qt's own frames.
template <typename Handler> void runHandler(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showException(error);
    }
}

} // namespace quarnel
