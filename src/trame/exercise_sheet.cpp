#include "exercise_sheet.h"

#include "drawing.h"
#include "exercise_set.h"
#include "number_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <bit>
#include <cmath>
#include <random>

namespace quarnel::trame {

namespace {

using frame::BitRole;
using frame::Exercise;
using frame::ExerciseKind;
using frame::FrameBit;

// Page geometry, in points: A4 portrait, three exercises a page, one of each kind.
constexpr QSizeF kA4Portrait{595, 842};
constexpr double kMargin = 40;
constexpr double kHeaderHeight = 48;
constexpr double kAxisWidth = 40; // voltage labels left of the grid
constexpr double kTimeBand = 12;  // time labels under the grid
constexpr double kCellHeight = 24;
constexpr double kExercisePlot = 78;
constexpr double kAnswerPlot = 40;
constexpr double kExerciseGap = 18;
constexpr double kAnswerGap = 10;
// The line at rest drawn before and after each frame, in half bits.
constexpr std::uint64_t kIdleHalfBits = 2;

// Lighter than a handout's: squared paper to draw on.
const QColor kGrid(215, 215, 215);
const QColor kFineGrid(238, 238, 238);

const QString kSheetTitle = QStringLiteral("Exercices : la trame série");

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString kindTitle(ExerciseKind kind) {
    switch (kind) {
    case ExerciseKind::ReadFrame:
        return QStringLiteral("Quel caractère ?");
    case ExerciseKind::DrawFrame:
        return QStringLiteral("Dessinez la trame");
    case ExerciseKind::CheckParity:
        return QStringLiteral("La parité est-elle juste ?");
    }
    return {};
}

// " « b »" for a character a reader can see, nothing for a control code.
QString shownCharacter(unsigned value) {
    return value >= 0x20 && value < 0x7F ? QStringLiteral(" « %1 »").arg(QChar(static_cast<char16_t>(value))) : QString();
}

// b(n-1) ... b0 in groups of four from b0: "0110 0010", "111 0111".
QString binaryFromTop(unsigned value, int bits) {
    QString text;
    for (int k = bits - 1; k >= 0; --k) {
        text += (value >> k) & 1u ? QLatin1Char('1') : QLatin1Char('0');
        if (k > 0 && k % 4 == 0)
            text += QLatin1Char(' ');
    }
    return text;
}

// "start 0, données 0 1 0 0 0 1 1 0 (b0 d'abord), parité 1, stop 1": the cells as sent.
QString sentCells(const Exercise& e) {
    QStringList data;
    QString parity;
    QStringList stop;
    for (const FrameBit& bit : e.bits) {
        const QString level = bit.mark ? QStringLiteral("1") : QStringLiteral("0");
        if (bit.role == BitRole::Data)
            data << level;
        else if (bit.role == BitRole::Parity)
            parity = level;
        else if (bit.role == BitRole::Stop)
            stop << level;
    }
    const bool lsbFirst = e.format.order == frame::BitOrder::LsbFirst;
    QString text = QStringLiteral("start 0, données %1 (%2 d'abord)")
                       .arg(data.join(QLatin1Char(' ')), lsbFirst ? QStringLiteral("b0") : QStringLiteral("b%1").arg(e.format.dataBits - 1));
    if (!parity.isEmpty())
        text += QStringLiteral(", parité ") + parity;
    text += QStringLiteral(", stop ") + stop.join(QLatin1Char(' '));
    if (e.format.stopHalfBits == 3)
        text += QStringLiteral(" (1,5 bit)");
    return text;
}

QString formatTag(const frame::FrameFormat& format) {
    return QStringLiteral("%1, %2 bit/s").arg(qs(frame::shortName(format))).arg(format.bitRate);
}

QString topBit(const Exercise& e) {
    return QStringLiteral("b%1 … b0").arg(e.format.dataBits - 1);
}

QString flippedNames(const Exercise& e) {
    QStringList names;
    for (int k : e.flipped)
        names << QStringLiteral("b%1").arg(k);
    return names.join(QStringLiteral(" et "));
}

// What the parity bit says of the bits read, worked as a pupil would.
QString parityReasoning(const Exercise& e) {
    const int ones = std::popcount(static_cast<unsigned>(e.receivedValue));
    int parityBit = 0;
    for (const FrameBit& bit : e.bits)
        if (bit.role == BitRole::Parity)
            parityBit = bit.mark ? 1 : 0;
    const int total = ones + parityBit;
    const bool even = e.format.parity == frame::Parity::Even;
    return QStringLiteral("%1 bits à 1 dans les données et le bit de parité à %2 : %3 bits à 1, un nombre %4 ; "
                          "la parité %5 est %6.")
        .arg(ones)
        .arg(parityBit)
        .arg(total)
        .arg(total % 2 == 0 ? QStringLiteral("pair") : QStringLiteral("impair"))
        .arg(even ? QStringLiteral("paire") : QStringLiteral("impaire"))
        .arg(e.parityHolds ? QStringLiteral("juste") : QStringLiteral("fausse"));
}

QString instructions(const Exercise& e) {
    // The order matters to a pupil who draws or reads the bits: said when it is not the usual one.
    const QString format = qs(frame::describe(e.format)) +
                           (e.format.order == frame::BitOrder::MsbFirst ? QStringLiteral(", bit de poids fort d'abord")
                                                                        : QString());
    switch (e.kind) {
    case ExerciseKind::ReadFrame:
        return QStringLiteral("Cette trame a été envoyée en %1. Écrivez la valeur de chaque bit dans sa case, "
                              "puis le code hexadécimal du caractère et le caractère.")
            .arg(format);
    case ExerciseKind::DrawFrame:
        return QStringLiteral("Dessinez la trame du caractère « %1 » envoyée en %2 : la ligne est au repos "
                              "jusqu'au bit de start, qui commence à %3 µs ; finissez par la ligne au repos.")
            .arg(QChar(static_cast<char16_t>(e.character)), format,
                 frenchDecimal(1e6 / e.format.bitRate, 1));
    case ExerciseKind::CheckParity:
        return QStringLiteral("Un récepteur a lu cette trame, envoyée en %1. Écrivez la valeur de chaque bit, "
                              "l'octet lu, et dites si la parité est juste.")
            .arg(format);
    }
    return {};
}

QStringList answerLines(const Exercise& e) {
    const QString code = qs(e.code);
    switch (e.kind) {
    case ExerciseKind::ReadFrame:
        return {QStringLiteral("Trame : ") + sentCells(e) + QLatin1Char('.'),
                QStringLiteral("%1 = %2 = %3 : le caractère%4.")
                    .arg(topBit(e), binaryFromTop(e.value, e.format.dataBits), code, shownCharacter(e.value))};
    case ExerciseKind::DrawFrame:
        return {QStringLiteral("« %1 » = %2 : %3 = %4.")
                    .arg(QChar(static_cast<char16_t>(e.character)))
                    .arg(code, topBit(e), binaryFromTop(e.value, e.format.dataBits)),
                QStringLiteral("Trame : ") + sentCells(e) + QLatin1Char('.')};
    case ExerciseKind::CheckParity: {
        const QString read = qs(frame::frameCode(e.receivedValue, e.format.dataBits));
        QString sent = QStringLiteral("Envoyé : %1%2, ").arg(code, shownCharacter(e.value));
        switch (e.flipped.size()) {
        case 0:
            sent += QStringLiteral("aucun bit inversé : la trame est arrivée juste.");
            break;
        case 1:
            sent += QStringLiteral("%1 inversé : une erreur, et la parité la voit.").arg(flippedNames(e));
            break;
        default:
            sent += QStringLiteral("%1 inversés : deux erreurs, et la parité ne les voit pas.").arg(flippedNames(e));
            break;
        }
        return {QStringLiteral("Trame : ") + sentCells(e) + QLatin1Char('.'),
                QStringLiteral("Lu : %1 = %2 = %3%4. ")
                        .arg(topBit(e), binaryFromTop(e.receivedValue, e.format.dataBits), read,
                             shownCharacter(e.receivedValue)) +
                    parityReasoning(e),
                sent};
    }
    }
    return {};
}

struct Cell {
    FrameBit bit;
    std::uint64_t start; // half bits from the left of the grid
};

// The frame with the line at rest before and after it.
std::vector<Cell> lineCells(const Exercise& e) {
    std::vector<Cell> cells;
    std::uint64_t at = 0;
    const auto add = [&](const FrameBit& bit) {
        cells.push_back(Cell{bit, at});
        at += bit.halfBits;
    };
    add(FrameBit{BitRole::Idle, -1, true, kIdleHalfBits, false});
    for (const FrameBit& bit : e.bits)
        add(bit);
    add(FrameBit{BitRole::Idle, -1, true, kIdleHalfBits, false});
    return cells;
}

// How much of the frame a drawing shows.
enum class FrameView {
    Blank,      // the grid, and the line at rest before the frame
    Unlabelled, // the curve, and an empty box under each bit
    Named,      // the curve, and each box named but its value left to write
    Answered,   // the curve, each box named and its value
};

double frameDrawingHeight(double plotHeight, FrameView view) {
    return plotHeight + kTimeBand + (view == FrameView::Blank ? 0 : kCellHeight);
}

// A frame on a grid of half bits and volts, with microseconds under each bit boundary.
void drawFrame(QPainter& painter, const QRectF& area, double plotHeight, const Exercise& e, FrameView view) {
    const std::vector<Cell> cells = lineCells(e);
    const std::uint64_t halfBits = cells.back().start + cells.back().bit.halfBits;
    const QRectF plot(area.left() + kAxisWidth, area.top(), area.width() - kAxisWidth, plotHeight);
    const auto xAt = [&](double half) { return plot.left() + half / static_cast<double>(halfBits) * plot.width(); };

    const frame::LineLevels& levels = e.format.levels;
    const double low = std::min({levels.markVolts(), levels.spaceVolts(), 0.0});
    const double high = std::max({levels.markVolts(), levels.spaceVolts(), 0.0});
    const double step = niceStep((high - low) / 10);
    const double bottomVolts = low - step;
    const double topVolts = high + step;
    const auto yAt = [&](double volts) { return plot.bottom() - (volts - bottomVolts) / (topVolts - bottomVolts) * plot.height(); };
    const auto levelY = [&](bool mark) { return yAt(mark ? levels.markVolts() : levels.spaceVolts()); };

    // Squared paper: a line every half bit and every volt step, the bits and the labelled
    // volts darker.
    for (std::uint64_t h = 0; h <= halfBits; ++h) {
        painter.setPen(QPen(h % 2 == 0 ? kGrid : kFineGrid, 0.5));
        painter.drawLine(QPointF(xAt(static_cast<double>(h)), plot.top()), QPointF(xAt(static_cast<double>(h)), plot.bottom()));
    }
    const double labelStep = niceStep((high - low) / 2);
    painter.setFont(pageFont(8));
    for (int i = 0; bottomVolts + i * step <= topVolts + 1e-9; ++i) {
        const double v = bottomVolts + i * step;
        const bool labelled = std::abs(std::remainder(v, labelStep)) < 1e-9;
        painter.setPen(QPen(std::abs(v) < 1e-9 ? kBoundary : labelled ? kGrid : kFineGrid, 0.5));
        painter.drawLine(QPointF(plot.left(), yAt(v)), QPointF(plot.right(), yAt(v)));
        if (labelled) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(area.left(), yAt(v) - 6, kAxisWidth - 5, 12), Qt::AlignRight | Qt::AlignVCenter,
                             (v > 1e-9 ? QStringLiteral("+") : QString()) + frenchDecimal(v, decimalsFor(labelStep)) +
                                 QStringLiteral(" V"));
        }
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(plot);

    // Microseconds at the bit boundaries, as many as fit side by side.
    const double bitMicroseconds = 1e6 / e.format.bitRate;
    const int decimals = bitMicroseconds >= 100 ? 0 : bitMicroseconds >= 10 ? 1 : 2;
    const std::uint64_t bits = halfBits / 2;
    const QFontMetricsF metrics(painter.font());
    const double widest = metrics.horizontalAdvance(frenchDecimal(static_cast<double>(bits) * bitMicroseconds, decimals));
    const auto every = static_cast<std::uint64_t>(std::ceil((widest + 4) / (xAt(2) - xAt(0))));
    painter.setPen(Qt::black);
    for (std::uint64_t k = 0; k <= bits; k += every) {
        const double x = xAt(static_cast<double>(2 * k));
        painter.drawText(QRectF(x - 30, plot.bottom(), 60, kTimeBand), Qt::AlignCenter,
                         frenchDecimal(static_cast<double>(k) * bitMicroseconds, decimals));
    }

    QPainterPath curve;
    for (const Cell& cell : cells) {
        if (view == FrameView::Blank && cell.start > 0)
            break;
        const double y = levelY(cell.bit.mark);
        const double x0 = xAt(static_cast<double>(cell.start));
        if (cell.start == 0)
            curve.moveTo(x0, y);
        else
            curve.lineTo(x0, y);
        curve.lineTo(xAt(static_cast<double>(cell.start + cell.bit.halfBits)), y);
    }
    painter.setPen(QPen(kCurve, 1.6));
    painter.drawPath(curve);
    if (view == FrameView::Blank)
        return;

    const double cellTop = plot.bottom() + kTimeBand;
    for (const Cell& cell : cells) {
        const bool idle = cell.bit.role == BitRole::Idle;
        if (idle && view != FrameView::Answered)
            continue;
        const QRectF box(xAt(static_cast<double>(cell.start)), cellTop,
                         xAt(static_cast<double>(cell.start + cell.bit.halfBits)) - xAt(static_cast<double>(cell.start)),
                         kCellHeight);
        painter.setPen(QPen(kBoundary, 0.6));
        painter.setBrush(idle ? kIdleFill : QColor(255, 255, 255));
        painter.drawRect(box);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        if (view == FrameView::Named || view == FrameView::Answered) {
            painter.setFont(pageFont(7));
            painter.drawText(box.adjusted(0, 1, 0, -kCellHeight / 2), Qt::AlignCenter, qs(frame::bitName(cell.bit)));
        }
        if (view == FrameView::Answered) {
            painter.setFont(pageFont(9, true));
            painter.drawText(box.adjusted(0, kCellHeight / 2 - 1, 0, -1), Qt::AlignCenter,
                             cell.bit.mark ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
}

// Lays a block out from top to bottom: measures it without a painter, draws it with one, so
// that the page breaks and the drawing can never disagree.
class Flow {
public:
    Flow(QPainter* painter, double top) : painter_(painter), top_(top) {}

    double top() const { return top_; }

    // Text wrapped at the page's width.
    void text(const QFont& font, const QString& text) {
        const QRectF box(kMargin, top_, kA4Portrait.width() - 2 * kMargin, 1000);
        const QRectF used = QFontMetricsF(font).boundingRect(box, Qt::TextWordWrap, text);
        if (painter_) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(box, Qt::TextWordWrap, text);
        }
        top_ += used.height() + 2;
    }

    void frame(double plotHeight, const Exercise& e, FrameView view) {
        const double height = frameDrawingHeight(plotHeight, view);
        if (painter_)
            drawFrame(*painter_, QRectF(kMargin, top_, kA4Portrait.width() - 2 * kMargin, height), plotHeight, e, view);
        top_ += height;
    }

    // Labels, each followed by a box to write in; a label with a width of 0 is a tick box.
    void answerBoxes(const std::vector<std::pair<QString, double>>& boxes) {
        constexpr double height = 18;
        if (painter_) {
            painter_->setFont(pageFont(10));
            double x = kMargin;
            for (const auto& [label, width] : boxes) {
                const double labelWidth = QFontMetricsF(painter_->font()).horizontalAdvance(label);
                painter_->setPen(Qt::black);
                painter_->drawText(QRectF(x, top_, labelWidth + 2, height), Qt::AlignLeft | Qt::AlignVCenter, label);
                x += labelWidth + 6;
                const double boxWidth = width > 0 ? width : 11;
                const double boxHeight = width > 0 ? height : 11;
                painter_->setPen(QPen(Qt::black, 0.7));
                painter_->drawRect(QRectF(x, top_ + (height - boxHeight) / 2, boxWidth, boxHeight));
                x += boxWidth + 18;
            }
        }
        top_ += height;
    }

    void space(double height) { top_ += height; }

private:
    QPainter* painter_;
    double top_;
};

// A new seed when none was given: printed on the sheet, it gives the same sheet again.
std::uint64_t freshSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

class ExerciseSheet {
public:
    explicit ExerciseSheet(frame::ExerciseSet set) : set_(std::move(set)) {
        const double bottom = kA4Portrait.height() - kMargin;
        const auto place = [&](bool answer) {
            pages_.emplace_back();
            double top = kMargin + kHeaderHeight;
            for (std::size_t i = 0; i < set_.exercises.size(); ++i) {
                const Block block{answer, i};
                Flow measure(nullptr, top);
                layBlock(measure, block);
                if (measure.top() > bottom && !pages_.back().empty()) {
                    pages_.emplace_back();
                    top = kMargin + kHeaderHeight;
                    measure = Flow(nullptr, top);
                    layBlock(measure, block);
                }
                pages_.back().push_back(block);
                top = measure.top();
            }
        };
        place(false);
        firstAnswerPage_ = static_cast<int>(pages_.size());
        place(true); // the answers begin on a page of their own
    }

    int pageCount() const { return static_cast<int>(pages_.size()); }
    QString title() const { return kSheetTitle + QStringLiteral(" (graine %1)").arg(set_.seed); }

    void render(QPainter& painter, int page) const {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.fillRect(QRectF(QPointF(0, 0), kA4Portrait), Qt::white);
        const double width = kA4Portrait.width() - 2 * kMargin;
        const bool answers = page >= firstAnswerPage_;
        painter.setPen(Qt::black);
        painter.setFont(pageFont(16, true));
        painter.drawText(QRectF(kMargin, kMargin, width, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         answers ? QStringLiteral("Corrigé") : kSheetTitle);
        painter.setFont(pageFont(9));
        painter.drawText(QRectF(kMargin, kMargin, width, 22), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("graine %1 · page %2/%3").arg(set_.seed).arg(page + 1).arg(pageCount()));
        painter.setFont(pageFont(10));
        painter.drawText(QRectF(kMargin, kMargin + 24, width, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         answers ? QStringLiteral("Les réponses des exercices de la feuille de graine %1.").arg(set_.seed)
                                 : QStringLiteral("Nom : ………………………………………    Classe : ……………    Date : ……………"));
        painter.setPen(QPen(kBoundary, 0.6));
        painter.drawLine(QPointF(kMargin, kMargin + kHeaderHeight - 6), QPointF(kMargin + width, kMargin + kHeaderHeight - 6));

        Flow flow(&painter, kMargin + kHeaderHeight);
        for (const Block& block : pages_[static_cast<std::size_t>(page)])
            layBlock(flow, block);
        painter.restore();
    }

private:
    struct Block {
        bool answer;
        std::size_t index;
    };

    void layBlock(Flow& flow, const Block& block) const {
        const Exercise& e = set_.exercises[block.index];
        const QString heading = QStringLiteral("Exercice %1 — %2").arg(block.index + 1).arg(kindTitle(e.kind));
        if (block.answer) {
            flow.text(pageFont(11, true), heading + QStringLiteral(" (") + formatTag(e.format) + QLatin1Char(')'));
            for (const QString& line : answerLines(e))
                flow.text(pageFont(10), line);
            if (e.kind == ExerciseKind::DrawFrame) {
                flow.space(4);
                flow.frame(kAnswerPlot, e, FrameView::Answered);
            }
            flow.space(kAnswerGap);
            return;
        }
        flow.text(pageFont(12, true), heading);
        flow.text(pageFont(10), instructions(e));
        flow.text(pageFont(9), qs(frame::describeLevels(e.format.levels)) + QStringLiteral(" ; temps en µs."));
        flow.space(4);
        switch (e.kind) {
        case ExerciseKind::ReadFrame:
            flow.frame(kExercisePlot, e, FrameView::Unlabelled);
            flow.space(6);
            flow.answerBoxes({{QStringLiteral("Code hexadécimal :"), 70}, {QStringLiteral("Caractère :"), 40}});
            break;
        case ExerciseKind::DrawFrame:
            flow.frame(kExercisePlot + kCellHeight, e, FrameView::Blank);
            flow.space(6);
            if (e.format.parity == frame::Parity::None)
                flow.answerBoxes({{QStringLiteral("Code hexadécimal :"), 70}});
            else
                flow.answerBoxes({{QStringLiteral("Code hexadécimal :"), 70}, {QStringLiteral("Bit de parité :"), 30}});
            break;
        case ExerciseKind::CheckParity:
            flow.frame(kExercisePlot, e, FrameView::Named);
            flow.space(6);
            flow.answerBoxes({{QStringLiteral("Octet lu :"), 70},
                              {QStringLiteral("Parité juste"), 0},
                              {QStringLiteral("Parité fausse"), 0}});
            break;
        }
        flow.space(kExerciseGap);
    }

    frame::ExerciseSet set_;
    std::vector<std::vector<Block>> pages_;
    int firstAnswerPage_ = 0;
};

} // namespace

void writeExerciseSheet(const ExerciseRequest& request, QIODevice& device) {
    const ExerciseSheet sheet(
        frame::makeExercises(request.count, request.seed ? *request.seed : freshSeed(), request.formats));
    writePdfPages(device, sheet.title(), QPageLayout::Portrait, sheet.pageCount(),
                  [&](QPainter& painter, int page) { sheet.render(painter, page); });
}

} // namespace quarnel::trame
