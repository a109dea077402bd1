#pragma once

#include <QImage>
#include <QString>

namespace quarnel::pictures {

// The application icon drawn from its SVG source at size x size pixels, transparent outside
// the dial. Returns a null image when the source cannot be read.
QImage renderIcon(const QString& svgFile, int size);

} // namespace quarnel::pictures
