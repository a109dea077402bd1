#include "drawing_helpers.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace quarnel::pictures {

void drawCentredText(QPainter& p, int centreX, int baselineY, const QString& text) {
    const int advance = p.fontMetrics().horizontalAdvance(text);
    p.drawText(centreX - advance / 2, baselineY, text);
}

void fillArrowHead(QPainter& p, QPointF from, QPointF tip, double length, double halfWidth) {
    const QLineF axis(tip, from);
    const QLineF back = QLineF::fromPolar(length, axis.angle()).translated(tip);
    const QLineF side = QLineF::fromPolar(halfWidth, axis.angle() + 90);
    const QPointF offset = side.p2() - side.p1();
    const QColor colour = p.pen().color();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, back.p2() + offset, back.p2() - offset}));
    p.restore();
}

void drawLeaderArrow(QPainter& p, QPointF from, QPointF tip) {
    constexpr double headLength = 7;
    p.save();
    QPen dashed(Qt::black, 1);
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    // Stop the dashes where the head begins so that its tip stays sharp.
    QLineF shaft(from, tip);
    shaft.setLength(std::max(0.0, shaft.length() - headLength + 1));
    p.drawLine(shaft);
    p.restore();
    fillArrowHead(p, from, tip, headLength, 3);
}

QRect drawFramedCaption(QPainter& p, int x, int top, Qt::Alignment alignment,
                        const QStringList& lines) {
    constexpr int padX = 4;
    constexpr int padY = 2;
    const QFontMetrics fm = p.fontMetrics();
    const int lineHeight = fm.height();
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(line));

    const int frameWidth = textWidth + 2 * padX;
    int left = x - frameWidth / 2;
    if (alignment & Qt::AlignLeft)
        left = x;
    else if (alignment & Qt::AlignRight)
        left = x - frameWidth;
    const QRect frame(left, top, frameWidth,
                      lineHeight * static_cast<int>(lines.size()) + 2 * padY);
    int baseline = frame.top() + padY + fm.ascent();
    for (const QString& line : lines) {
        drawCentredText(p, frame.center().x(), baseline, line);
        baseline += lineHeight;
    }

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen dashed(Qt::black, 1);
    dashed.setDashPattern({3, 2});
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.restore();
    return frame;
}

void drawTextOnPatch(QPainter& p, int centreX, int baselineY, const QString& text,
                     const QColor& background) {
    const QFontMetrics fm = p.fontMetrics();
    const int advance = fm.horizontalAdvance(text);
    p.fillRect(centreX - advance / 2 - 2, baselineY - fm.ascent(), advance + 4, fm.height(),
               background);
    drawCentredText(p, centreX, baselineY, text);
}

} // namespace quarnel::pictures
