// Build step: rewrites a committed PNG picture as binary PPM, which Qt reads without
// inflating or unfiltering anything. Usage: quarnel-picture-to-ppm IN.png OUT.ppm
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IN.png OUT.ppm\n", argv[0]);
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    // PPM keeps no transparency.
    if (picture.hasAlphaChannel()) {
        std::fprintf(stderr, "%s: %s is not opaque\n", argv[0], argv[1]);
        return 1;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PPM")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
