#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quarnel {

// One point of a drawn frame: time in microseconds, line voltage in volts.
struct TracePoint {
    double x;
    double y;
    friend bool operator==(const TracePoint&, const TracePoint&) = default;
};

// RS-232 levels: a logic 1 (and the idle line) is negative, a logic 0 positive.
inline constexpr double kMarkVolts = -5.0;
inline constexpr double kSpaceVolts = 5.0;
// One bit at 19200 bit/s lasts about 52 microseconds.
inline constexpr double kBitSlotMicros = 52.0;

// The frame as "Envoyer" draws it, beginning (start bit) at the right: stop bit, parity bit,
// data bits from bit 7 down to bit 0, start bit and idle line, 26 points. Read from left to
// right the data bits read like the binary text. An empty binary text has no frame.
// Throws ConversionError when one of the data byte's characters is not a decimal digit.
std::optional<std::vector<TracePoint>> sendTrace(std::u16string_view binaryText);

// The same frame as the zoom buttons draw it, 24 points: the idle line runs on to 2500 µs
// so that it reaches the end of any widened time axis.
std::optional<std::vector<TracePoint>> zoomTrace(std::u16string_view binaryText);

} // namespace quarnel
