#pragma once

namespace quarnel {

// The program's two windows as start-up makes them: the main window `programme`, then the
// hidden help window `aide`, which the main window owns. Needs the application object; the
// main window is its main window. The windows go when this goes.
class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // This desktop gives a program it starts no show request: the main window opens normally.
    void show();
};

} // namespace quarnel
