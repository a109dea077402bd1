#pragma once

#include "axis_mapping.h"
#include "chart_axis.h"

#include <optional>

namespace quarnel {

struct MousePosition {
    int x;
    int y;
};

enum class LeftDrag {
    Nothing,  // too short a drag
    Zoom,     // ended to the right of its start: show the rectangle's limits
    UndoZoom, // ended at or to the left of its start: back to the limits before zooming
};

// A left drag counts once it has moved more than this many pixels both ways.
inline constexpr int kZoomDragThreshold = 16;

LeftDrag classifyLeftDrag(MousePosition start, MousePosition end);

struct AxesRanges {
    AxisRange bottom;
    AxisRange left;
    friend bool operator==(const AxesRanges&, const AxesRanges&) = default;
};

// The axis limits that the rectangle with corners a and b covers, pixel centres included.
AxesRanges rangesUnderRectangle(MousePosition a, MousePosition b, const AxisMapping& bottom,
                                const AxisMapping& left);

// The range taken at button-down, moved with the content by the whole pointer offset (so
// rounding does not build up over many moves): dragging right or down shows earlier times
// and higher voltages.
AxisRange scrolledRange(const AxisMapping& atPress, int pixelOffset);

// Remembers the axes' settings from before the first zoom, for the undo drag.
class ZoomHistory {
public:
    void zoom(ChartAxis& bottom, ChartAxis& left, const AxesRanges& ranges);
    // Nothing to undo before a first zoom.
    void undo(ChartAxis& bottom, ChartAxis& left);

private:
    struct Saved {
        ChartAxis::Settings bottom;
        ChartAxis::Settings left;
    };
    std::optional<Saved> beforeFirstZoom_;
};

} // namespace quarnel
