#include "picture_files.h"

#include "raw_pixels.h"

#include <QImageReader>
#include <QResource>

namespace quarnel::resources {

namespace {

bool isRawPixels(const QString& path) {
    return path.endsWith(QLatin1String(".pixels"));
}

// A resource stored uncompressed is read in place, without a copy.
QByteArray rawPixelsResource(const QString& path) {
    return QResource(path).uncompressedData();
}

// Reads only in the format named by the suffix: no other decoder or plugin is consulted.
void readAsNamed(QImageReader& reader, const QString& path) {
    reader.setFormat(path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage readPicture(const char* path) {
    const QString name = QString::fromLatin1(path);
    if (isRawPixels(name))
        return decodeRawPixels(rawPixelsResource(name));
    QImageReader reader(name);
    readAsNamed(reader, name);
    return reader.read();
}

QSize pictureSize(const char* path) {
    const QString name = QString::fromLatin1(path);
    if (isRawPixels(name))
        return readPicture(path).size();
    QImageReader reader(name);
    readAsNamed(reader, name);
    return reader.size();
}

} // namespace quarnel::resources
