#include "window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quarnel {

void loadWindowFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    if (!QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
}

QFont tahoma(int pixels) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace quarnel
