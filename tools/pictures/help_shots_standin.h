#pragma once

#include <QImage>

namespace quarnel::pictures {

struct HelpShots {
    QImage listShot;      // the letter list dropped down over the chart, 301 x 147
    QImage windowTopShot; // the main window's top right corner with "Envoyer", 210 x 101
};

// Shots of plain Qt widgets set up like the main window's, to stand in for grabs of the real
// window until the help picture is made from it. Needs a running QApplication whose font is
// the window font.
HelpShots standInHelpShots();

} // namespace quarnel::pictures
