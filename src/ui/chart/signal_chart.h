#pragma once

#include "chart_axis.h"
#include "chart_layout.h"
#include "line_series.h"
#include "mouse_navigation.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <optional>

class QRubberBand;

namespace quarnel {

// The signal chart: voltage against time of one frame, with its title, axes, grid and
// legend. Every change only marks it out of date; it is drawn once when the window next
// paints. One render path serves the screen, the clipboard and the printer.
// Mouse: a left drag to the right zooms on the rectangle, to the left undoes the zooms; a
// right drag scrolls. The wheel is left to the parent window: it neither zooms nor scrolls.
class SignalChart : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{657, 250};

    // Fixed at kSize, a tab stop, named by its title. Time axis 0 to 600 µs, its minimum taken from
    // the data; voltage axis -10 to 10 V, fixed.
    explicit SignalChart(QWidget* parent = nullptr);
    ~SignalChart() override;

    ChartAxis& BottomAxis() { return bottomAxis_; }
    ChartAxis& LeftAxis() { return leftAxis_; }
    const ChartAxis& BottomAxis() const { return bottomAxis_; }
    const ChartAxis& LeftAxis() const { return leftAxis_; }
    LineSeries& Series1() { return series_; }
    const LineSeries& Series1() const { return series_; }

    // Where everything goes for the present state. Laying out also takes the time axis's
    // automatic minimum from the points, which is what SetMaximum is checked against.
    ChartLayout CurrentLayout() const;

    // Draws the chart laid out at kSize units, panel included, into any painter.
    void render(QPainter& painter) const;
    using QWidget::render;
    QImage toImage() const;

    // One page on the default printer, job "Chart1", the chart stretched into the margins
    // (16, 8, 13, 52) percent. Throws quarnel::Error.
    void Print();
    // Puts one kSize bitmap of the chart on the clipboard. Throws quarnel::Error.
    void CopyToClipboardBitmap();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct ScrollStart {
        QPoint position;
        AxisMapping bottom;
        AxisMapping left;
    };

    void markOutOfDate() { update(); }

    // mutable: laying out, which drawing does, refreshes the automatic minimum.
    mutable ChartAxis bottomAxis_;
    ChartAxis leftAxis_;
    LineSeries series_;

    ZoomHistory zoomHistory_;
    QRubberBand* rubberBand_;
    std::optional<QPoint> zoomStart_;
    std::optional<ScrollStart> scrollStart_;
};

} // namespace quarnel
