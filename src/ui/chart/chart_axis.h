#pragma once

#include "axis_range.h"
#include "error.h"

#include <functional>

namespace quarnel {

// Raised when an axis maximum below its minimum is set.
class AxisException : public Error {
public:
    // "Axis Maximum Value must be >= Minimum"
    AxisException();
};

// The limits of one chart axis. The maximum is fixed; the minimum is either fixed or taken
// from the data each time the chart lays itself out, and SetMaximum checks against the
// minimum of that last layout.
class ChartAxis {
public:
    // What a mouse zoom replaces and its undo brings back.
    struct Settings {
        AxisRange range;
        bool automaticMinimum;
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    ChartAxis(AxisRange range, bool automaticMinimum);

    double Minimum() const { return settings_.range.minimum; }
    double Maximum() const { return settings_.range.maximum; }
    AxisRange Range() const { return settings_.range; }
    bool AutomaticMinimum() const { return settings_.automaticMinimum; }

    // Throws AxisException, keeping the former maximum, when `maximum` is below the minimum
    // (or is not a number). An equal maximum is accepted.
    void SetMaximum(double maximum);

    // Both limits at once, fixed from then on (mouse zoom and scroll). `range` must be ordered.
    void SetFixedRange(AxisRange range);
    Settings CurrentSettings() const { return settings_; }
    void Restore(const Settings& settings);

    // Layout: an automatic minimum takes the data's smallest x (or 0 with no data), but no
    // more than the maximum. Quiet, since it happens while drawing.
    void AdoptDataMinimum(double dataMinimum);

    // Called after every change that should be drawn.
    void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void notifyChanged() const;

    Settings settings_;
    std::function<void()> changed_;
};

} // namespace quarnel
