#include "signal_chart.h"

#include "chart_painter.h"
#include "clipboard_copy.h"
#include "default_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScopeGuard>

namespace quarnel {

namespace {

MousePosition positionOf(QPoint point) {
    return {point.x(), point.y()};
}

} // namespace

SignalChart::SignalChart(QWidget* parent)
    : QWidget(parent), bottomAxis_({0, 600}, true), leftAxis_({-10, 10}, false),
      rubberBand_(new QRubberBand(QRubberBand::Rectangle, this)) {
    setFixedSize(kSize);
    setAccessibleName(chartTitle());
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    bottomAxis_.SetChangedHandler([this] { markOutOfDate(); });
    leftAxis_.SetChangedHandler([this] { markOutOfDate(); });
    series_.SetChangedHandler([this] { markOutOfDate(); });
}

SignalChart::~SignalChart() = default;

ChartLayout SignalChart::CurrentLayout() const {
    const PointList& points = series_.Points();
    // The points are in order of x, so the first one holds the smallest.
    bottomAxis_.AdoptDataMinimum(points.Count() > 0 ? points.XValue(0) : 0.0);
    return layOutChartForPainting(kSize, bottomAxis_.Range(), leftAxis_.Range(), points);
}

void SignalChart::render(QPainter& painter) const {
    const QPalette palette = QApplication::palette();
    const ChartColors colors{palette.color(QPalette::Button), palette.color(QPalette::Light),
                             palette.color(QPalette::Dark), series_.LinePenColor()};
    paintChart(painter, CurrentLayout(), series_.Points(), colors);
}

QImage SignalChart::toImage() const {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(QApplication::palette().color(QPalette::Button));
    QPainter painter(&image);
    render(painter);
    return image;
}

void SignalChart::Print() {
    // The screen picture is drawn anew afterwards, whether or not the printing worked.
    const auto redraw = qScopeGuard([this] { markOutOfDate(); });
    printOnDefaultPrinter(QStringLiteral("Chart1"), kSize, {16, 8, 13, 52},
                          [this](QPainter& painter) { render(painter); });
}

void SignalChart::CopyToClipboardBitmap() {
    copyImageToClipboard(QGuiApplication::clipboard(), toImage());
}

void SignalChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter);
}

void SignalChart::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        zoomStart_ = position;
        rubberBand_->setGeometry(QRect(position, QSize()));
        rubberBand_->show();
    } else if (event->button() == Qt::RightButton) {
        const ChartLayout layout = CurrentLayout();
        scrollStart_ = ScrollStart{position, layout.bottomMapping, layout.leftMapping};
    }
}

void SignalChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (zoomStart_ && (event->buttons() & Qt::LeftButton))
        rubberBand_->setGeometry(QRect(*zoomStart_, position).normalized());
    if (scrollStart_ && (event->buttons() & Qt::RightButton)) {
        const QPoint offset = position - scrollStart_->position;
        bottomAxis_.SetFixedRange(scrolledRange(scrollStart_->bottom, offset.x()));
        leftAxis_.SetFixedRange(scrolledRange(scrollStart_->left, offset.y()));
    }
}

void SignalChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && zoomStart_) {
        rubberBand_->hide();
        const MousePosition start = positionOf(*zoomStart_);
        const MousePosition end = positionOf(position);
        zoomStart_.reset();
        switch (classifyLeftDrag(start, end)) {
        case LeftDrag::Zoom: {
            const ChartLayout layout = CurrentLayout();
            zoomHistory_.zoom(
                bottomAxis_, leftAxis_,
                rangesUnderRectangle(start, end, layout.bottomMapping, layout.leftMapping));
            break;
        }
        case LeftDrag::UndoZoom:
            zoomHistory_.undo(bottomAxis_, leftAxis_);
            break;
        case LeftDrag::Nothing:
            break;
        }
    } else if (event->button() == Qt::RightButton) {
        scrollStart_.reset();
    }
}

} // namespace quarnel
