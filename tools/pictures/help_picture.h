#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace quarnel::pictures {

// Where the help picture (400 x 600) puts its two screenshots. A shot is drawn from the
// area's top-left corner and cut to the area's size.
inline constexpr QRect helpListShotArea{51, 176, 301, 147};
inline constexpr QRect helpWindowTopShotArea{51, 440, 210, 101};

// The red rectangle drawn over the window-top shot around the "Envoyer" button. The shot is
// expected to show the button at columns 88 to 162 and rows 50 to 74 of its own area, as a
// grab of the main window's top right corner does.
inline constexpr QRect helpEnvoyerFrame{116, 488, 121, 53};
inline const QColor helpFrameRed{233, 75, 68};

// The help window's picture: how to make the program draw a signal, in four lines of text
// and two screenshots: the letter list dropped down, and the top right of the main window.
QImage composeHelpPicture(const QImage& listShot, const QImage& windowTopShot);

} // namespace quarnel::pictures
