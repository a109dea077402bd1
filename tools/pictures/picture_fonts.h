#pragma once

#include <QFont>

namespace quarnel::pictures {

// Fonts by pixel size, so that the pictures do not depend on the screen's dots per inch.
QFont sans(int pixelSize, bool bold = false); // Arial's metrics (Liberation Sans)
QFont serif(int pixelSize, bool bold = false);

} // namespace quarnel::pictures
