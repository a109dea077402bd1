#pragma once

#include <QImage>

namespace quarnel::pictures {

// The main window's diagram of one serial frame (616 x 166, opaque white background):
// idle line, start bit, the data bits 1 0 0 1 1 0 1 0, parity and stop bits, with captions.
QImage drawFrameDiagram();

} // namespace quarnel::pictures
