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

const QString kTitle = QStringLiteral("Signal liaison (19200 bps)");
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

// Pixel column or row c is drawn as a line through c + 0.5, which covers it exactly.
double centreOf(int pixel) {
    return pixel + 0.5;
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
    painter.setPen(pen(kGridColor));
    for (const AxisMark& mark : layout.bottomMarks) {
        const double x = centreOf(mark.pixel);
        painter.drawLine(QLineF(x, plot.top, x, plot.top + plot.height));
    }
    for (const AxisMark& mark : layout.leftMarks) {
        const double y = centreOf(mark.pixel);
        painter.drawLine(QLineF(plot.left, y, plot.left + plot.width, y));
    }
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
    const double left = plot.left;
    const double top = plot.top;
    const double right = plot.left + plot.width;  // edge after the last column
    const double bottom = plot.top + plot.height; // edge after the last row
    painter.setPen(pen(kFrameColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(left - 0.5, top - 0.5, plot.width + 1, plot.height + 1));

    const double axis = M::kAxisLineWidth;
    painter.setPen(pen(kFrameColor, axis));
    painter.drawLine(QLineF(left - 1, top - 1, left - 1, bottom + axis));
    painter.drawLine(QLineF(left - axis, bottom + 1, right + 1, bottom + 1));

    painter.setPen(pen(kTickColor));
    const double tickStartY = bottom + axis;
    for (const AxisMark& mark : layout.bottomMarks)
        painter.drawLine(QLineF(centreOf(mark.pixel), tickStartY, centreOf(mark.pixel),
                                tickStartY + M::kTickLength));
    for (int pixel : layout.bottomMinorTicks)
        painter.drawLine(
            QLineF(centreOf(pixel), tickStartY, centreOf(pixel), tickStartY + M::kMinorTickLength));
    const double tickStartX = left - axis;
    for (const AxisMark& mark : layout.leftMarks)
        painter.drawLine(QLineF(tickStartX, centreOf(mark.pixel), tickStartX - M::kTickLength,
                                centreOf(mark.pixel)));
    for (int pixel : layout.leftMinorTicks)
        painter.drawLine(
            QLineF(tickStartX, centreOf(pixel), tickStartX - M::kMinorTickLength, centreOf(pixel)));
}

void paintTexts(QPainter& painter, const ChartLayout& layout) {
    painter.setPen(kTitleColor);
    painter.drawText(rectOf(layout.title), Qt::AlignCenter, kTitle);

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
    painter.setPen(pen(kFrameColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box.left + 0.5, box.top + 0.5, box.width - 1, box.height - 1));

    const double textRight = box.right() - M::kLegendPadding;
    for (std::size_t i = 0; i < legend.rows.size(); ++i) {
        const int rowTop = legend.firstRowTop + static_cast<int>(i) * legend.rowHeight;
        const double middle = centreOf(rowTop + legend.rowHeight / 2);
        painter.setPen(pen(lineColor));
        painter.drawLine(
            QLineF(legend.symbolLeft, middle, legend.symbolLeft + M::kLegendSymbolLength, middle));
        painter.setPen(kTextColor);
        painter.drawText(
            QRectF(legend.textLeft, rowTop, textRight - legend.textLeft + 1, legend.rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, qstringOf(legend.rows[i]));
    }
}

} // namespace

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
