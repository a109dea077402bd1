#pragma once

#include <QByteArray>
#include <QImage>

// The main window's pictures are on screen from the first paint, so the build stores them as
// raw pixels that need no decoding: "QPIX", width and height as little-endian 32-bit numbers,
// then each row's pixels as little-endian 32-bit 0xffRRGGBB values.
namespace quarnel::resources {

QByteArray encodeRawPixels(const QImage& opaquePicture);

// A null image when `bytes` is not a whole picture in that layout.
QImage decodeRawPixels(const QByteArray& bytes);

} // namespace quarnel::resources
