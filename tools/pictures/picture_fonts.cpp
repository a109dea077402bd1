#include "picture_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quarnel::pictures {

namespace {

QFont pixelFont(const QStringList& families, int pixelSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Hinting would move glyphs by whole pixels differently on each machine.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

bool loadTahoma() {
    return QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf") >= 0;
}

QFont tahoma(int pixelSize) {
    return pixelFont(QStringList{"Tahoma", "Liberation Sans", "DejaVu Sans"}, pixelSize, false);
}

QFont sans(int pixelSize, bool bold) {
    return pixelFont(QStringList{"Liberation Sans", "Arial", "DejaVu Sans"}, pixelSize, bold);
}

QFont serif(int pixelSize, bool bold) {
    return pixelFont(QStringList{"Liberation Serif", "Times New Roman", "DejaVu Serif"}, pixelSize,
                     bold);
}

} // namespace quarnel::pictures
