#pragma once

#include <QImage>
#include <QSize>

namespace quarnel::resources {

// Reads one of the program's pictures (resource_paths.h), in the format its name ends with.
// Qt's usual reader asks every image plugin about a picture before trying its own decoders,
// which loads them all; these readers never do. A null image when the picture cannot be read.
QImage readPicture(const char* path);

// The picture's size, without decoding it; invalid when it cannot be read.
QSize pictureSize(const char* path);

} // namespace quarnel::resources
