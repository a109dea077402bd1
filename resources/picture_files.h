#pragma once

#include <QImage>
#include <QSize>

namespace quarnel::resources {

// Reads one of the program's pictures (resource_paths.h): the main window's two as the bare
// pixels the build stored, the others as Qt reads any picture. A null image when the picture
// cannot be read.
QImage readPicture(const char* path);

// The picture's size, without decoding it; invalid when it cannot be read.
QSize pictureSize(const char* path);

} // namespace quarnel::resources
