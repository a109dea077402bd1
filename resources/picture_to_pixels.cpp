// Build step: rewrites a committed opaque PNG picture as raw pixels (raw_pixels.h).
// Usage: quarnel-picture-to-pixels IN.png OUT.pixels
#include "raw_pixels.h"

#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.png OUT.pixels\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    // The raw layout keeps no transparency.
    if (picture.hasAlphaChannel()) {
        std::fprintf(stderr, "%s: %s is not opaque\n", argv[0], argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    const QByteArray bytes = quarnel::resources::encodeRawPixels(picture);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
