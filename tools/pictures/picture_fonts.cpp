#include "picture_fonts.h"

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

QFont sans(int pixelSize, bool bold) {
    return pixelFont(QStringList{"Liberation Sans", "Arial", "DejaVu Sans"}, pixelSize, bold);
}

QFont serif(int pixelSize, bool bold) {
    return pixelFont(QStringList{"Liberation Serif", "Times New Roman", "DejaVu Serif"}, pixelSize,
                     bold);
}

} // namespace quarnel::pictures
