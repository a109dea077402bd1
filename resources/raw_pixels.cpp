#include "raw_pixels.h"

#include <QtEndian>
#include <cstring>

namespace quarnel::resources {

namespace {

constexpr char kMagic[4] = {'Q', 'P', 'I', 'X'};
constexpr qsizetype kHeaderSize = 12;
// Far above any picture of the program; keeps width * height * 4 well inside qsizetype.
constexpr quint32 kLargestSide = 16384;

quint32 littleEndianAt(const QByteArray& bytes, qsizetype offset) {
    quint32 value = 0;
    for (qsizetype i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

} // namespace

QByteArray encodeRawPixels(const QImage& opaquePicture) {
    const QImage picture = opaquePicture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes(kMagic, sizeof kMagic);
    bytes.resize(kHeaderSize + qsizetype(picture.width()) * picture.height() * 4);
    char* out = bytes.data();
    qToLittleEndian<quint32>(quint32(picture.width()), out + 4);
    qToLittleEndian<quint32>(quint32(picture.height()), out + 8);
    out += kHeaderSize;
    for (int y = 0; y < picture.height(); ++y) {
        qToLittleEndian<quint32>(picture.constScanLine(y), picture.width(), out);
        out += qsizetype(picture.width()) * 4;
    }
    return bytes;
}

QImage decodeRawPixels(const QByteArray& bytes) {
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0)
        return {};
    const quint32 width = littleEndianAt(bytes, 4);
    const quint32 height = littleEndianAt(bytes, 8);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide ||
        bytes.size() != kHeaderSize + qsizetype(width) * height * 4)
        return {};
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    const char* row = bytes.constData() + kHeaderSize;
    for (int y = 0; y < picture.height(); ++y) {
        qFromLittleEndian<quint32>(row, width, picture.scanLine(y));
        row += qsizetype(width) * 4;
    }
    return picture;
}

} // namespace quarnel::resources
