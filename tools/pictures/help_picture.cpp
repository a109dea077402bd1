#include "help_picture.h"

#include "picture_fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace quarnel::pictures {

namespace {

constexpr int pictureWidth = 400;
constexpr int pictureHeight = 600;
constexpr int leftMargin = 37;
constexpr int textPixels = 14;

// Draws the text so that its highest ink stands on row inkTop.
void drawTextFromInkTop(QPainter& p, int x, int inkTop, const QString& text) {
    const int baseline = inkTop - p.fontMetrics().tightBoundingRect(text).top();
    p.drawText(x, baseline, text);
}

void drawShot(QPainter& p, const QRect& area, const QImage& shot) {
    p.drawImage(area.topLeft(), shot, QRect(QPoint(0, 0), area.size()));
}

void drawFrame(QPainter& p, const QRect& frame, const QColor& colour, int thickness) {
    p.fillRect(frame.left(), frame.top(), frame.width(), thickness, colour);
    p.fillRect(frame.left(), frame.bottom() - thickness + 1, frame.width(), thickness, colour);
    p.fillRect(frame.left(), frame.top(), thickness, frame.height(), colour);
    p.fillRect(frame.right() - thickness + 1, frame.top(), thickness, frame.height(), colour);
}

} // namespace

QImage composeHelpPicture(const QImage& listShot, const QImage& windowTopShot) {
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    p.setFont(sans(textPixels));
    const QFontMetrics fm = p.fontMetrics();

    const QString title = "Fonctionnement programme";
    drawTextFromInkTop(p, (pictureWidth - fm.horizontalAdvance(title)) / 2, 57, title);
    drawTextFromInkTop(p, leftMargin, 108, "Pour faire afficher un signal");
    drawTextFromInkTop(p, leftMargin + fm.averageCharWidth(), 124,
                       "- Sélectionner une lettre dans la liste");
    drawShot(p, helpListShotArea, listShot);
    drawTextFromInkTop(p, leftMargin, 376, "-Puis cliquer sur envoyer");
    drawShot(p, helpWindowTopShotArea, windowTopShot);
    drawFrame(p, helpEnvoyerFrame, helpFrameRed, 2);
    return picture;
}

} // namespace quarnel::pictures
