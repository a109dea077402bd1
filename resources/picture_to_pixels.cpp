// Build step: writes a committed opaque PNG picture as its bare rows of 32-bit pixels
// (QImage::Format_RGB32, 0xffRRGGBB in the machine's byte order), which the program shows
// without decoding (picture_files.cpp).
// Usage: quarnel-picture-to-pixels IN.png OUT.rgb32
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.png OUT.rgb32\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull() || picture.hasAlphaChannel()) {
        std::fprintf(stderr, "%s: %s is not an opaque picture\n", argv[0], argv[1]);
        return 1;
    }
    // 32-bit rows are never padded: the bytes are exactly width x height pixels.
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QFile out(QString::fromLocal8Bit(argv[2]));
    const auto size = static_cast<qint64>(pixels.sizeInBytes());
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(pixels.constBits()), size) != size ||
        !out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
