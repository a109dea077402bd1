#pragma once

#include <QFont>

namespace quarnel {

// Makes Tahoma available: Wine ships a metric-compatible one in a folder that fontconfig does
// not search. Without it, a close sans-serif stands in.
void loadWindowFonts();

// Tahoma, regular, with a character height of `pixels`.
QFont tahoma(int pixels);

} // namespace quarnel
