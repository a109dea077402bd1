#pragma once

#include <QImage>

namespace quarnel::pictures {

struct HelpShots {
    QImage listShot;      // the letter list dropped down over the chart, 301 x 147
    QImage windowTopShot; // the main window's top right corner with "Envoyer", 210 x 101
};

// The help picture's shots taken from the program's own main window: its letter list dropped
// down over the chart, and its "Envoyer" button. The caption buttons above the button belong
// to the desktop, not to the program, so they are drawn. Needs a running QApplication whose
// font is the window font.
HelpShots programHelpShots();

} // namespace quarnel::pictures
