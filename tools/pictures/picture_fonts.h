#pragma once

#include <QFont>

namespace quarnel::pictures {

// Makes Wine's Tahoma known to Qt (fontconfig does not search Wine's folder).
// Returns false when the file is missing; Tahoma then falls back to a close sans-serif.
bool loadTahoma();

// Fonts by pixel size, so that the pictures do not depend on the screen's dots per inch.
QFont tahoma(int pixelSize);
QFont sans(int pixelSize, bool bold = false); // Arial's metrics (Liberation Sans)
QFont serif(int pixelSize, bool bold = false);

} // namespace quarnel::pictures
