#include "line_series.h"

namespace quarnel {

namespace {
// Olive, the colour the series starts with.
const QColor kStartColor(128, 128, 0);
} // namespace

LineSeries::LineSeries() : seriesColor_(kStartColor), linePenColor_(kStartColor) {}

int LineSeries::AddXY(double x, double y) {
    const int index = points_.AddXY(x, y);
    notifyChanged();
    return index;
}

void LineSeries::Clear() {
    points_.Clear();
    notifyChanged();
}

void LineSeries::SetLinePenColor(QColor color) {
    linePenColor_ = color;
    notifyChanged();
}

void LineSeries::notifyChanged() const {
    if (changed_)
        changed_();
}

} // namespace quarnel
