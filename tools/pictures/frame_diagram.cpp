#include "frame_diagram.h"

#include "drawing_helpers.h"
#include "picture_fonts.h"

#include <QPainter>
#include <QPolygon>
#include <array>

namespace quarnel::pictures {

namespace {

constexpr int width = 616;
constexpr int height = 166;

constexpr int originX = 26; // the vertical axis; bit cells start here
constexpr int cellWidth = 32;
constexpr int highY = 63; // logic 1 and the idle line
constexpr int lowY = 111; // logic 0, on the time axis
constexpr int idleEndX = 583;

// Level of each bit cell from the left, true meaning the upper level.
constexpr std::array<bool, 15> cellIsHigh = {
    true,  true,  true,  true,                           // idle line
    false,                                               // start bit
    true,  false, false, true, true, false, true, false, // data bits
    false, // parity bit: the data holds four ones, so even parity gives 0
    true,  // stop bit
};
constexpr int startCell = 4;
constexpr int firstDataCell = 5;
constexpr int parityCell = 13;
constexpr int stopCell = 14;
constexpr char dataDigits[] = "10011010";

constexpr int cellLeft(int cell) {
    return originX + cellWidth * cell;
}
constexpr int cellCentre(int cell) {
    return cellLeft(cell) + cellWidth / 2;
}

const QColor signalBlue(0, 0, 255);
const QColor idleLavender(230, 230, 255);

void drawIdleBands(QPainter& p) {
    const int bandHeight = lowY - highY;
    p.fillRect(originX, highY, cellLeft(startCell) - originX, bandHeight, idleLavender);
    p.fillRect(cellLeft(stopCell + 1), highY, idleEndX - cellLeft(stopCell + 1), bandHeight,
               idleLavender);
}

void drawCellBoundaries(QPainter& p) {
    QPen pen(Qt::black, 1);
    pen.setDashPattern({6, 2, 1, 2});
    p.setPen(pen);
    for (int cell = 1; cell <= stopCell + 1; ++cell)
        p.drawLine(cellLeft(cell), highY, cellLeft(cell), lowY);
}

void drawAxes(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(originX, lowY, originX, 44);
    p.drawLine(originX, lowY, 604, lowY);
    fillArrowHead(p, QPointF(originX + 0.5, 44), QPointF(originX + 0.5, 39), 9, 4);
    fillArrowHead(p, QPointF(604, lowY + 0.5), QPointF(611, lowY + 0.5), 9, 4);

    // Level marks, right-aligned against the axis.
    QFont mark = sans(12);
    mark.setItalic(true);
    mark.setUnderline(true);
    p.setFont(mark);
    p.drawText(QRect(4, highY - 8, 16, 16), Qt::AlignRight | Qt::AlignVCenter, "1");
    p.drawText(QRect(4, lowY - 8, 16, 16), Qt::AlignRight | Qt::AlignVCenter, "0");
}

// The signal is drawn as 5-pixel bands so that its blue stays exact, without blending.
void drawSignal(QPainter& p) {
    constexpr int half = 2;
    constexpr int thickness = 2 * half + 1;
    auto levelY = [](bool high) { return high ? highY : lowY; };

    int runStart = originX;
    for (std::size_t cell = 0; cell < cellIsHigh.size(); ++cell) {
        const bool last = cell + 1 == cellIsHigh.size();
        const int y = levelY(cellIsHigh[cell]);
        if (!last && cellIsHigh[cell + 1] == cellIsHigh[cell])
            continue;
        const int runEnd = last ? idleEndX : cellLeft(static_cast<int>(cell) + 1);
        const int left = runStart == originX ? originX : runStart - half;
        const int right = last ? idleEndX : runEnd + half;
        p.fillRect(QRect(QPoint(left, y - half), QPoint(right, y + half)), signalBlue);
        if (!last)
            p.fillRect(runEnd - half, highY - half, thickness, lowY - highY + thickness,
                       signalBlue);
        runStart = runEnd;
    }
}

constexpr int textPixels = 11; // a 12-pixel line

void drawTopTexts(QPainter& p) {
    p.setPen(Qt::black);
    p.setFont(sans(textPixels));
    p.drawText(originX + 6, 56, "Pas de donnée en cours :");
    for (int bit = 0; bit < 8; ++bit)
        drawCentredText(p, cellCentre(firstDataCell + bit), 56, QString(QChar(dataDigits[bit])));
    const int rightIdleCentre = (cellLeft(stopCell + 1) + idleEndX) / 2;
    drawCentredText(p, rightIdleCentre, 42, "Pas de donnée");
    drawCentredText(p, rightIdleCentre, 55, "en cours");

    p.setFont(sans(textPixels, true));
    drawTextOnPatch(p, (originX + cellLeft(startCell)) / 2, 91, "ligne à 1", idleLavender);

    const QRect caption = drawFramedCaption(p, width / 2, 4, Qt::AlignHCenter,
                                            {"Donnée utile : 8 bits, poids faible en tête"});
    drawLeaderArrow(p, QPointF(caption.left() + 30, caption.bottom() + 1),
                    QPointF(cellCentre(firstDataCell), 44));
}

void drawBottomTexts(QPainter& p) {
    p.setPen(Qt::black);
    p.setFont(sans(textPixels));
    drawCentredText(p, cellCentre(startCell), 125, "0");
    drawCentredText(p, cellCentre(parityCell), 125, "0");
    drawCentredText(p, cellCentre(stopCell), 125, "1");

    // One bit time: a double arrow between two ticks under the second data cell.
    const double tLeft = cellLeft(firstDataCell + 1) + 0.5;
    const double tRight = cellLeft(firstDataCell + 2) + 0.5;
    constexpr double arrowY = 120.5;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(tLeft, 115), QPointF(tLeft, 126));
    p.drawLine(QPointF(tRight, 115), QPointF(tRight, 126));
    p.drawLine(QPointF(tLeft + 4, arrowY), QPointF(tRight - 4, arrowY));
    fillArrowHead(p, QPointF(tRight, arrowY), QPointF(tLeft + 1, arrowY), 6, 3);
    fillArrowHead(p, QPointF(tLeft, arrowY), QPointF(tRight - 1, arrowY), 6, 3);
    QFont italic = sans(textPixels);
    italic.setItalic(true);
    p.setFont(italic);
    drawCentredText(p, static_cast<int>(tLeft + tRight) / 2, 137, "T");

    p.setFont(sans(textPixels, true));
    const QRect start = drawFramedCaption(p, 4, 142, Qt::AlignLeft, {"1 bit de Start : 0"});
    drawLeaderArrow(p, QPointF(start.right() + 1, start.top() + 3),
                    QPointF(cellCentre(startCell) - 2, 128));

    const QRect parity = drawFramedCaption(p, 340, 130, Qt::AlignHCenter,
                                           {"1 bit de Parité : 0 ou 1", "selon la donnée"});
    drawLeaderArrow(p, QPointF(parity.right() + 1, parity.top() + 7),
                    QPointF(cellCentre(parityCell) - 2, 128));

    const QRect stop = drawFramedCaption(p, width - 4, 145, Qt::AlignRight, {"1 bit de Stop : 1"});
    drawLeaderArrow(p, QPointF(stop.left() + 8, stop.top()),
                    QPointF(cellCentre(stopCell) + 1, 128));
}

} // namespace

QImage drawFrameDiagram() {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    drawIdleBands(p);
    drawCellBoundaries(p);
    drawAxes(p);
    drawSignal(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawTopTexts(p);
    drawBottomTexts(p);
    return image;
}

} // namespace quarnel::pictures
