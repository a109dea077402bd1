#include "chart_axis.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

AxisException::AxisException() : Error(u"Axis Maximum Value must be >= Minimum") {}

ChartAxis::ChartAxis(AxisRange range, bool automaticMinimum) : settings_{range, automaticMinimum} {}

void ChartAxis::SetMaximum(double maximum) {
    // Written so that NaN, which compares false with everything, is refused too.
    if (!(maximum >= settings_.range.minimum))
        throw AxisException();
    if (maximum == settings_.range.maximum)
        return;
    settings_.range.maximum = maximum;
    notifyChanged();
}

void ChartAxis::SetFixedRange(AxisRange range) {
    Restore({range, false});
}

void ChartAxis::Restore(const Settings& settings) {
    if (settings == settings_)
        return;
    settings_ = settings;
    notifyChanged();
}

void ChartAxis::AdoptDataMinimum(double dataMinimum) {
    if (!settings_.automaticMinimum || !std::isfinite(dataMinimum))
        return;
    // Data that all lie beyond the fixed maximum would turn the axis round; it stays ordered.
    settings_.range.minimum = std::min(dataMinimum, settings_.range.maximum);
}

void ChartAxis::notifyChanged() const {
    if (changed_)
        changed_();
}

} // namespace quarnel
