#include "handout.h"

#include "drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace quarnel::trame {

namespace {

// Page geometry, in points. A4 landscape keeps two 8-bit frames on a row and four rows on a
// page at a legible size.
constexpr QSizeF kA4Landscape{842, 595};
constexpr double kMargin = 28;
constexpr double kTitleHeight = 56;
constexpr double kAxisWidth = 48;      // voltage labels left of the curve
constexpr double kLabelBand = 16;      // each frame's character above the curve
constexpr double kPlotHeight = 52;
constexpr double kTimeBand = 12;       // time labels under the curve
constexpr double kCellHeight = 28;     // bit names and values
constexpr double kRowGap = 12;
constexpr double kRowHeight = kLabelBand + kPlotHeight + kTimeBand + kCellHeight + kRowGap;
constexpr double kReceiverBand = 14; // what the receiver read at each of its instants
constexpr double kVerdictBand = 14;  // and its verdict on each frame
// The longest pause drawn whole at the beginning of a row, in half bits.
constexpr std::uint64_t kMaxLeadHalfBits = 8;
// The narrowest cell that still holds "Repos" and "Start" at the cell font.
constexpr double kMinCellWidth = 30;

const QColor kGrid(205, 205, 205);
const QColor kAltered(200, 0, 0);       // bits sent wrong on purpose
const QColor kAlteredFill(255, 220, 220);
const QColor kReceiver(0, 130, 0);

double microsecondsAt(double halfBits, std::uint32_t bitRate) {
    return halfBits * 1e6 / (2.0 * bitRate);
}

QString cellName(const frame::FrameBit& bit) {
    return QString::fromStdString(frame::bitName(bit));
}

} // namespace

HandoutLayout::HandoutLayout(HandoutContent content, Pages pages) : content_(std::move(content)) {
    const double plotWidth = kA4Landscape.width() - 2 * kMargin - kAxisWidth;
    const std::uint64_t maxHalfBits = static_cast<std::uint64_t>(plotWidth / (kMinCellWidth / 2));

    // The span of each frame on the line.
    std::vector<Row> frames(static_cast<std::size_t>(content_.frameLabels.size()), Row{~0ull, 0});
    std::uint64_t lineEnd = 0;
    for (const auto& placed : content_.cells) {
        lineEnd = placed.startHalfBits + placed.bit.halfBits;
        if (placed.frame == frame::kNoFrame)
            continue;
        Row& span = frames[placed.frame];
        span.startHalfBits = std::min(span.startHalfBits, placed.startHalfBits);
        span.endHalfBits = lineEnd;
    }
    // Rows of whole frames. A row after the first begins with the pause before its first
    // frame, cut to four bits (its cell then says how long it is); the last row ends with the
    // idle line.
    for (std::size_t i = 0; i < frames.size();) {
        const std::uint64_t lead = rows_.empty() ? frames[i].startHalfBits
                                                 : std::min<std::uint64_t>(frames[i].startHalfBits - frames[i - 1].endHalfBits, kMaxLeadHalfBits);
        Row row{frames[i].startHalfBits - lead, frames[i].endHalfBits};
        ++i;
        while (i < frames.size() && frames[i].endHalfBits - row.startHalfBits +
                                            (i + 1 == frames.size() ? lineEnd - frames[i].endHalfBits : 0) <=
                                        maxHalfBits)
            row.endHalfBits = frames[i++].endHalfBits;
        if (i == frames.size())
            row.endHalfBits = lineEnd;
        rows_.push_back(row);
    }
    std::uint64_t longest = 1;
    for (const Row& row : rows_)
        longest = std::max(longest, row.endHalfBits - row.startHalfBits);
    pointsPerHalfBit_ = plotWidth / static_cast<double>(std::max(longest, maxHalfBits / 2));

    const int rowsPerPage =
        pages == Pages::A4 ? std::max(1, static_cast<int>((kA4Landscape.height() - 2 * kMargin - kTitleHeight) / rowHeight()))
                           : std::max(1, static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (r % rowsPerPage == 0)
            pages_.emplace_back();
        pages_.back().push_back(r);
    }
    pageSize_ = pages == Pages::A4 ? kA4Landscape
                                   : QSizeF(kA4Landscape.width(), 2 * kMargin + kTitleHeight + rowsPerPage * rowHeight());
}

double HandoutLayout::rowHeight() const {
    return kRowHeight + (content_.receiverRate ? kReceiverBand + kVerdictBand : 0);
}

double HandoutLayout::xAt(const Row& row, double halfBits) const {
    const double plotLeft = kMargin + kAxisWidth;
    const double plotRight = pageSize_.width() - kMargin;
    const double offset = (halfBits - static_cast<double>(row.startHalfBits)) * pointsPerHalfBit_;
    return content_.beginAtRight ? plotRight - offset : plotLeft + offset;
}

void HandoutLayout::render(QPainter& painter, int page) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double width = pageSize_.width() - 2 * kMargin;

    painter.setPen(Qt::black);
    painter.setFont(pageFont(14, true));
    const QRectF titleBox(kMargin, kMargin, width, 20);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font()).elidedText(content_.title, Qt::ElideRight, width));
    painter.setFont(pageFont(12, true));
    painter.drawText(QRectF(kMargin, kMargin + 20, width, 18), Qt::AlignLeft | Qt::AlignVCenter, content_.formatLine);
    painter.setFont(pageFont(10));
    QString subtitle = content_.levels + QStringLiteral(" ; temps en µs");
    if (content_.beginAtRight)
        subtitle += QStringLiteral(", début de la trame à droite");
    if (content_.receiverRate)
        subtitle += QStringLiteral(" ; récepteur à %1 bit/s : ses lectures en vert")
                        .arg(QString::number(content_.receiverRate->bitsPerSecond(), 'f', 2)
                                 .remove(QRegularExpression(QStringLiteral("\\.?0+$")))
                                 .replace(QLatin1Char('.'), QLatin1Char(',')));
    const QRectF subtitleBox(kMargin, kMargin + 38, width, 16);
    painter.drawText(subtitleBox, Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    if (pageCount() > 1)
        painter.drawText(subtitleBox, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("page %1/%2").arg(page + 1).arg(pageCount()));

    double top = kMargin + kTitleHeight;
    for (int r : pages_[static_cast<std::size_t>(page)]) {
        renderRow(painter, rows_[static_cast<std::size_t>(r)], top);
        top += rowHeight();
    }
    painter.restore();
}

void HandoutLayout::renderRow(QPainter& painter, const Row& row, double top) const {
    const frame::LineLevels& levels = content_.format.levels;
    const std::uint32_t rate = content_.format.bitRate;
    const double plotTop = top + kLabelBand;
    const double plotBottom = plotTop + kPlotHeight;
    const double cellTop = plotBottom + kTimeBand;
    const double left = std::min(xAt(row, row.startHalfBits), xAt(row, row.endHalfBits));
    const double right = std::max(xAt(row, row.startHalfBits), xAt(row, row.endHalfBits));

    // Voltage scale with a margin above and below the two levels, 0 V always shown.
    const double lowVolts = std::min({levels.markVolts(), levels.spaceVolts(), 0.0});
    const double highVolts = std::max({levels.markVolts(), levels.spaceVolts(), 0.0});
    const double pad = (highVolts - lowVolts) * 0.15;
    const auto yAt = [&](double volts) {
        return plotBottom - (volts - (lowVolts - pad)) / (highVolts - lowVolts + 2 * pad) * kPlotHeight;
    };

    // Grid and labels: volts on the left, microseconds below, steps of 1, 2 or 5.
    painter.setFont(pageFont(9));
    const double voltStep = niceStep((highVolts - lowVolts) / 4);
    for (double v = std::ceil((lowVolts - pad) / voltStep) * voltStep; v <= highVolts + pad + 1e-9; v += voltStep) {
        painter.setPen(QPen(kGrid, 0.5));
        painter.drawLine(QPointF(left, yAt(v)), QPointF(right, yAt(v)));
        painter.setPen(Qt::black);
        const QString label = (v > 1e-9 ? QStringLiteral("+") : QString()) +
                              frenchDecimal(v, decimalsFor(voltStep)) + QStringLiteral(" V");
        painter.drawText(QRectF(left - kAxisWidth, yAt(v) - 7, kAxisWidth - 6, 14), Qt::AlignRight | Qt::AlignVCenter, label);
    }
    const double startUs = microsecondsAt(static_cast<double>(row.startHalfBits), rate);
    const double endUs = microsecondsAt(static_cast<double>(row.endHalfBits), rate);
    const double pointsPerUs = (right - left) / (endUs - startUs);
    const double timeStep = niceStep(46 / pointsPerUs);
    const auto halfBitsAtUs = [&](double us) { return us * 2.0 * rate / 1e6; };
    for (double t = std::ceil(startUs / timeStep - 1e-9) * timeStep; t <= endUs + 1e-9 * timeStep; t += timeStep) {
        const double x = xAt(row, halfBitsAtUs(t));
        painter.setPen(QPen(kGrid, 0.5));
        painter.drawLine(QPointF(x, plotTop), QPointF(x, plotBottom));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 30, plotBottom, 60, kTimeBand), Qt::AlignCenter,
                         frenchDecimal(t, decimalsFor(timeStep)));
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(QRectF(left, plotTop, right - left, kPlotHeight));

    // The curve and the bit cells under it.
    QPainterPath curve;
    bool first = true;
    const QFont nameFont = pageFont(8);
    const QFont valueFont = pageFont(10, true);
    for (const auto& placed : content_.cells) {
        const double start = static_cast<double>(std::max(placed.startHalfBits, row.startHalfBits));
        const double end = static_cast<double>(std::min(placed.startHalfBits + placed.bit.halfBits, row.endHalfBits));
        if (end <= start)
            continue;
        const double y = yAt(placed.bit.mark ? levels.markVolts() : levels.spaceVolts());
        const double x0 = xAt(row, start);
        const double x1 = xAt(row, end);
        if (first)
            curve.moveTo(x0, y);
        else
            curve.lineTo(x0, y);
        curve.lineTo(x1, y);
        first = false;

        const QRectF cell(std::min(x0, x1), cellTop, std::abs(x1 - x0), kCellHeight);
        const frame::BitRole role = placed.bit.role;
        const QColor fill = placed.bit.altered                ? kAlteredFill
                            : role == frame::BitRole::Data     ? QColor(255, 255, 255)
                            : role == frame::BitRole::Parity ? QColor(255, 244, 200)
                            : role == frame::BitRole::Idle   ? kIdleFill
                                                             : QColor(220, 232, 250);
        painter.setPen(QPen(kBoundary, 0.6));
        painter.setBrush(fill);
        painter.drawRect(cell);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kBoundary, 0.4, Qt::DashLine));
        painter.drawLine(QPointF(x0, plotTop), QPointF(x0, plotBottom));
        painter.setPen(Qt::black);
        painter.setFont(nameFont);
        const bool cut = end - start < static_cast<double>(placed.bit.halfBits);
        const QString name = cut ? QStringLiteral("%1 (%2 bits)").arg(cellName(placed.bit)).arg(placed.bit.halfBits / 2)
                                 : cellName(placed.bit);
        painter.drawText(cell.adjusted(0, 2, 0, -kCellHeight / 2), Qt::AlignCenter, name);
        painter.setFont(valueFont);
        if (placed.bit.altered)
            painter.setPen(kAltered);
        painter.drawText(cell.adjusted(0, kCellHeight / 2 - 2, 0, -2), Qt::AlignCenter,
                         placed.bit.mark ? QStringLiteral("1") : QStringLiteral("0"));
    }
    painter.setPen(QPen(kCurve, 1.6));
    painter.drawPath(curve);
    if (content_.receiverRate)
        renderReceiver(painter, row, cellTop + kCellHeight, left, right,
                       [&](bool mark) { return yAt(mark ? levels.markVolts() : levels.spaceVolts()); });

    // Each frame's character and code over its span.
    painter.setFont(pageFont(10, true));
    painter.setPen(Qt::black);
    std::size_t frameIndex = frame::kNoFrame;
    double spanStart = 0;
    const auto labelFrame = [&](double spanEnd) {
        if (frameIndex == frame::kNoFrame)
            return;
        const double x0 = xAt(row, spanStart);
        const double x1 = xAt(row, spanEnd);
        const QRectF box(std::min(x0, x1), top, std::abs(x1 - x0), kLabelBand - 4);
        painter.drawText(box, Qt::AlignCenter, content_.frameLabels[static_cast<qsizetype>(frameIndex)]);
        painter.drawLine(QPointF(box.left() + 2, box.bottom() + 2), QPointF(box.right() - 2, box.bottom() + 2));
    };
    for (const auto& placed : content_.cells) {
        const std::uint64_t start = placed.startHalfBits;
        if (start < row.startHalfBits || start >= row.endHalfBits || placed.frame == frameIndex)
            continue;
        labelFrame(static_cast<double>(start));
        frameIndex = placed.frame;
        spanStart = static_cast<double>(start);
    }
    // The label ends where the row's last frame ends.
    if (frameIndex != frame::kNoFrame) {
        std::uint64_t end = 0;
        for (const auto& placed : content_.cells)
            if (placed.frame == frameIndex)
                end = placed.startHalfBits + placed.bit.halfBits;
        labelFrame(static_cast<double>(end));
    }
}

// The receiver's instants as dots on the curve and ticks under the cells, the level it read at
// each under the cells, and its verdict under the frames it read in this row.
void HandoutLayout::renderReceiver(QPainter& painter, const Row& row, double top, double left, double right,
                                   const std::function<double(bool)>& levelY) const {
    const std::uint32_t rate = content_.format.bitRate;
    painter.setFont(pageFont(8, true));
    for (qsizetype f = 0; f < static_cast<qsizetype>(content_.received.size()); ++f) {
        const frame::ReceivedFrame& received = content_.received[static_cast<std::size_t>(f)];
        const double first = frame::halfBitsAtTick(received.samples.front().tick, rate, *content_.receiverRate);
        const double last = frame::halfBitsAtTick(received.samples.back().tick, rate, *content_.receiverRate);
        // A frame belongs to the row where its start is read.
        if (first < static_cast<double>(row.startHalfBits) || first >= static_cast<double>(row.endHalfBits))
            continue;
        for (const frame::ReceiverSample& sample : received.samples) {
            const double at = frame::halfBitsAtTick(sample.tick, rate, *content_.receiverRate);
            if (at > static_cast<double>(row.endHalfBits))
                break;
            const double x = xAt(row, at);
            painter.setPen(QPen(kReceiver, 0.8));
            painter.drawLine(QPointF(x, top - 5), QPointF(x, top + 2));
            painter.setBrush(kReceiver);
            painter.drawEllipse(QPointF(x, levelY(sample.mark)), 2.2, 2.2);
            painter.setBrush(Qt::NoBrush);
            painter.drawText(QRectF(x - 8, top + 1, 16, kReceiverBand - 2), Qt::AlignCenter,
                             sample.mark ? QStringLiteral("1") : QStringLiteral("0"));
        }
        const bool right_ = received.stopFound && received.parityHolds != false;
        painter.setPen(right_ ? kReceiver : kAltered);
        painter.setFont(pageFont(8));
        const double x0 = std::clamp(std::min(xAt(row, first), xAt(row, last)) - 20, left, right);
        const double x1 = std::clamp(std::max(xAt(row, first), xAt(row, last)) + 20, left, right);
        painter.drawText(QRectF(x0, top + kReceiverBand, x1 - x0, kVerdictBand), Qt::AlignCenter,
                         content_.verdicts[f]);
        painter.setFont(pageFont(8, true));
    }
}

} // namespace quarnel::trame
