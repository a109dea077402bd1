#include "chart_painter.h"

#include "line_geometry.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace quarnel {

namespace {

using M = ChartMetrics;

const QColor kTitleColor(0, 0, 255);
const QColor kTextColor(0, 0, 0);
const QColor kGridColor(192, 192, 192);
const QColor kTickColor(128, 128, 128);
const QColor kFrameColor(0, 0, 0);
const QColor kLegendBackground(255, 255, 255);

const QString kBottomTitle = QStringLiteral("Temps (micro seconde)");
const QString kLeftTitle = QStringLiteral("Tension (Volt)");

constexpr int kFontPixelSize = 11; // 8 points at 96 dpi

QRectF rectOf(const PixelRect& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}

QString qstringOf(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QPen pen(const QColor& color, double width = 1) {
    return QPen(color, width, Qt::SolidLine, Qt::FlatCap);
}

// Grid, frame, axes, ticks and legend symbols run along whole pixels. Filled as rectangles
// they give the same pixels as antialiased lines through the pixel centres would, without
// the cost of stroking, which took half the time of a repaint.
void fillPixels(QPainter& painter, int left, int top, int width, int height, const QColor& color) {
    painter.fillRect(QRect(left, top, width, height), color);
}

// A one-pixel frame just inside the rectangle's edges.
void fillFrame(QPainter& painter, const PixelRect& r, const QColor& color) {
    fillPixels(painter, r.left, r.top, r.width, 1, color);
    fillPixels(painter, r.left, r.bottom(), r.width, 1, color);
    fillPixels(painter, r.left, r.top, 1, r.height, color);
    fillPixels(painter, r.right(), r.top, 1, r.height, color);
}

void paintPanel(QPainter& painter, const ChartLayout& layout, const ChartColors& colors) {
    const PixelRect& p = layout.panel;
    painter.fillRect(rectOf(p), colors.panel);
    // A raised bevel: lit from the top left.
    painter.fillRect(QRectF(p.left, p.top, p.width, 1), colors.bevelLight);
    painter.fillRect(QRectF(p.left, p.top, 1, p.height), colors.bevelLight);
    painter.fillRect(QRectF(p.left, p.bottom(), p.width, 1), colors.bevelDark);
    painter.fillRect(QRectF(p.right(), p.top, 1, p.height), colors.bevelDark);
}

void paintGrid(QPainter& painter, const ChartLayout& layout) {
    const PixelRect& plot = layout.plot;
    for (const AxisMark& mark : layout.bottomMarks)
        fillPixels(painter, mark.pixel, plot.top, 1, plot.height, kGridColor);
    for (const AxisMark& mark : layout.leftMarks)
        fillPixels(painter, plot.left, mark.pixel, plot.width, 1, kGridColor);
}

void paintLine(QPainter& painter, const ChartLayout& layout, const PointList& points,
               const QColor& color) {
    const DrawnPart part = drawnPart(points.XValues(), layout.bottomMapping.range);
    if (part.drawsNothing())
        return;
    std::vector<PixelPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(part.last - part.first + 1));
    for (int i = part.first; i <= part.last; ++i)
        pixels.push_back({layout.bottomMapping.toPixel(points.XValue(i)),
                          layout.leftMapping.toPixel(points.YValue(i))});
    const PixelRect& plot = layout.plot;
    const ClipBox box{double(plot.left), double(plot.top), double(plot.left + plot.width),
                      double(plot.top + plot.height)};

    painter.save();
    painter.setClipRect(rectOf(plot));
    painter.setPen(pen(color));
    for (const auto& piece : clipPolyline(pixels, box)) {
        QPolygonF polyline;
        polyline.reserve(static_cast<qsizetype>(piece.size()));
        for (const PixelPoint& p : piece)
            polyline.append(QPointF(p.x, p.y));
        painter.drawPolyline(polyline);
    }
    painter.restore();
}

// The frame lies on the pixels just outside the plot; the axis lines, two pixels wide, on
// the frame and the pixels beyond it, so that ticks start where they end.
void paintFrameAndAxes(QPainter& painter, const ChartLayout& layout) {
    const PixelRect& plot = layout.plot;
    const int bottom = plot.top + plot.height; // the row after the last one
    fillFrame(painter, {plot.left - 1, plot.top - 1, plot.width + 2, plot.height + 2}, kFrameColor);

    const int axis = M::kAxisLineWidth;
    fillPixels(painter, plot.left - axis, plot.top - 1, axis, plot.height + 1 + axis, kFrameColor);
    fillPixels(painter, plot.left - axis, bottom, plot.width + 1 + axis, axis, kFrameColor);

    const int tickTop = bottom + axis;
    for (const AxisMark& mark : layout.bottomMarks)
        fillPixels(painter, mark.pixel, tickTop, 1, M::kTickLength, kTickColor);
    for (int pixel : layout.bottomMinorTicks)
        fillPixels(painter, pixel, tickTop, 1, M::kMinorTickLength, kTickColor);
    const int tickEnd = plot.left - axis; // the column after the ticks' last one
    for (const AxisMark& mark : layout.leftMarks)
        fillPixels(painter, tickEnd - M::kTickLength, mark.pixel, M::kTickLength, 1, kTickColor);
    for (int pixel : layout.leftMinorTicks)
        fillPixels(painter, tickEnd - M::kMinorTickLength, pixel, M::kMinorTickLength, 1,
                   kTickColor);
}

void paintTexts(QPainter& painter, const ChartLayout& layout) {
    painter.setPen(kTitleColor);
    painter.drawText(rectOf(layout.title), Qt::AlignCenter, chartTitle());

    painter.setPen(kTextColor);
    for (const AxisMark& mark : layout.bottomMarks)
        painter.drawText(rectOf(mark.textBox), Qt::AlignCenter, qstringOf(mark.text));
    for (const AxisMark& mark : layout.leftMarks)
        painter.drawText(rectOf(mark.textBox), Qt::AlignRight | Qt::AlignVCenter,
                         qstringOf(mark.text));
    painter.drawText(rectOf(layout.bottomTitle), Qt::AlignCenter, kBottomTitle);

    // Read from bottom to top: a quarter turn to the left about the box's centre.
    const QRectF box = rectOf(layout.leftTitle);
    painter.save();
    painter.translate(box.center());
    painter.rotate(-90);
    painter.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
                     Qt::AlignCenter, kLeftTitle);
    painter.restore();
}

void paintLegend(QPainter& painter, const LegendLayout& legend, const QColor& lineColor) {
    const PixelRect& box = legend.box;
    painter.fillRect(rectOf(box), kLegendBackground);
    fillFrame(painter, box, kFrameColor);

    const double textRight = box.right() - M::kLegendPadding;
    for (std::size_t i = 0; i < legend.rows.size(); ++i) {
        const int rowTop = legend.firstRowTop + static_cast<int>(i) * legend.rowHeight;
        fillPixels(painter, legend.symbolLeft, rowTop + legend.rowHeight / 2,
                   M::kLegendSymbolLength, 1, lineColor);
        painter.setPen(kTextColor);
        painter.drawText(
            QRectF(legend.textLeft, rowTop, textRight - legend.textLeft + 1, legend.rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, qstringOf(legend.rows[i]));
    }
}

} // namespace

QString chartTitle() {
    return QStringLiteral("Signal liaison (19200 bps)");
}

QFont chartFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixelSize);
    return font;
}

ChartLayout layOutChartForPainting(QSize size, AxisRange bottom, AxisRange left,
                                   const PointList& points) {
    const QFontMetricsF metrics(chartFont());
    const QLocale locale;
    ChartLayoutInput input;
    input.width = size.width();
    input.height = size.height();
    input.bottom = bottom;
    input.left = left;
    input.yValues = points.YValues();
    input.separators = {locale.groupSeparator().toStdU16String(),
                        locale.decimalPoint().toStdU16String()};
    input.textWidth = [&metrics](const std::u16string& text) {
        return metrics.horizontalAdvance(qstringOf(text));
    };
    input.lineHeight = static_cast<int>(std::ceil(metrics.height()));
    return layOutChart(input);
}

void paintChart(QPainter& painter, const ChartLayout& layout, const PointList& points,
                const ChartColors& colors) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(chartFont());
    paintPanel(painter, layout, colors);
    paintGrid(painter, layout);
    paintLine(painter, layout, points, colors.line);
    paintFrameAndAxes(painter, layout);
    paintTexts(painter, layout);
    if (layout.legend)
        paintLegend(painter, *layout.legend, colors.line);
    painter.restore();
}

} // namespace quarnel
