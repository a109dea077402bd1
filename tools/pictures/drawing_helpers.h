#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QStringList>

class QPainter;

namespace quarnel::pictures {

// Text centred on x, standing on the baseline y, in the painter's font and pen.
void drawCentredText(QPainter& p, int centreX, int baselineY, const QString& text);

// A filled triangle whose tip is at `tip`, pointing in the direction from `from` to `tip`.
void fillArrowHead(QPainter& p, QPointF from, QPointF tip, double length, double halfWidth);

// A dashed line ending in an arrowhead at `tip`.
void drawLeaderArrow(QPainter& p, QPointF from, QPointF tip);

// Lines of text, centred on each other, inside a dashed frame whose top edge is at `top` and
// whose left edge, centre or right edge (as `alignment` says) is at `x`; returns the frame.
QRect drawFramedCaption(QPainter& p, int x, int top, Qt::Alignment alignment,
                        const QStringList& lines);

// Text centred on x and standing on the baseline y, over a patch of `background` that hides
// the lines behind it.
void drawTextOnPatch(QPainter& p, int centreX, int baselineY, const QString& text,
                     const QColor& background);

} // namespace quarnel::pictures
