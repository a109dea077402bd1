#pragma once

#include <QFont>

namespace quarnel {

// Makes Tahoma available: Wine ships a metric-compatible one in a folder that fontconfig does
// not search. Without it, a close sans-serif stands in.
void loadWindowFonts();

// Tahoma, regular, with a character height of `pixels`.
QFont tahoma(int pixels);

// Arial (Liberation Sans on this desktop) at a size in points.
QFont arial(int points);

} // namespace quarnel
