#pragma once

#include <QImage>

namespace quarnel::pictures {

// The main window's text on line voltages (648 x 90): four serif lines on a white background,
// the logic levels and their voltage ranges in bold.
QImage drawVoltageLevelsText();

} // namespace quarnel::pictures
