#pragma once

class QWidget;

namespace quarnel {

// How the desktop asked for the program's first window to be shown.
enum class ShowRequest { Normal, Maximized, MinimizedWithoutActivation };

// This desktop passes no show request to a program it starts, so the window opens normally.
ShowRequest launchShowRequest();

void showMainWindow(QWidget& window, ShowRequest request);

} // namespace quarnel
