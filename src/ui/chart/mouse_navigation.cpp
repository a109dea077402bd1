#include "mouse_navigation.h"

#include <algorithm>
#include <cstdlib>

namespace quarnel {

LeftDrag classifyLeftDrag(MousePosition start, MousePosition end) {
    if (std::abs(end.x - start.x) <= kZoomDragThreshold ||
        std::abs(end.y - start.y) <= kZoomDragThreshold)
        return LeftDrag::Nothing;
    return end.x > start.x ? LeftDrag::Zoom : LeftDrag::UndoZoom;
}

namespace {

AxisRange rangeBetween(int pixelA, int pixelB, const AxisMapping& mapping) {
    // Pixel centres, as the mapping places values.
    const double a = mapping.toValue(pixelA + 0.5);
    const double b = mapping.toValue(pixelB + 0.5);
    return {std::min(a, b), std::max(a, b)};
}

} // namespace

AxesRanges rangesUnderRectangle(MousePosition a, MousePosition b, const AxisMapping& bottom,
                                const AxisMapping& left) {
    return {rangeBetween(a.x, b.x, bottom), rangeBetween(a.y, b.y, left)};
}

AxisRange scrolledRange(const AxisMapping& atPress, int pixelOffset) {
    const double shift = -pixelOffset * atPress.valuePerPixel();
    return {atPress.range.minimum + shift, atPress.range.maximum + shift};
}

void ZoomHistory::zoom(ChartAxis& bottom, ChartAxis& left, const AxesRanges& ranges) {
    if (!beforeFirstZoom_)
        beforeFirstZoom_ = Saved{bottom.CurrentSettings(), left.CurrentSettings()};
    bottom.SetFixedRange(ranges.bottom);
    left.SetFixedRange(ranges.left);
}

void ZoomHistory::undo(ChartAxis& bottom, ChartAxis& left) {
    if (!beforeFirstZoom_)
        return;
    bottom.Restore(beforeFirstZoom_->bottom);
    left.Restore(beforeFirstZoom_->left);
    beforeFirstZoom_.reset();
}

} // namespace quarnel
