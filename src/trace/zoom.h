#pragma once

namespace quarnel {

// "Zoom +" shows less time, "Zoom -" more, 100 µs at a time.
enum class ZoomDirection { In, Out };

inline constexpr double kZoomStepMicros = 100.0;

constexpr double zoomedMaximum(double currentMaximum, ZoomDirection direction) {
    return direction == ZoomDirection::In ? currentMaximum - kZoomStepMicros
                                          : currentMaximum + kZoomStepMicros;
}

} // namespace quarnel
