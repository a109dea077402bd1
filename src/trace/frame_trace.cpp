#include "frame_trace.h"

#include "parity.h"

#include <span>

namespace quarnel {

namespace {

double levelOf(bool setBit) {
    return setBit ? kMarkVolts : kSpaceVolts;
}

// The frame from the stop bit to the start bit, then the idle line the caller gives. Each
// data bit is level for 50 µs and slopes to the next over the last 2 µs of its slot.
std::optional<std::vector<TracePoint>> frameTrace(std::u16string_view binaryText,
                                                  std::span<const TracePoint> idleLine) {
    const auto byte = dataByte(binaryText);
    if (!byte)
        return std::nullopt;
    const double parity = levelOf(byte->parityBit == 1);

    std::vector<TracePoint> points;
    points.reserve(23 + idleLine.size());
    points.push_back({0, kMarkVolts});
    points.push_back({kBitSlotMicros, kMarkVolts});
    points.push_back({kBitSlotMicros, parity});
    points.push_back({2 * kBitSlotMicros, parity});
    // The bit sent first (bit 0, the last character) stands beside the start bit.
    for (int i = 1; i <= 8; ++i) {
        const double x = kBitSlotMicros * i + kBitSlotMicros;
        const double level = levelOf(byte->digits[static_cast<std::size_t>(i - 1)] == 1);
        points.push_back({x, level});
        points.push_back({x + 50, level});
    }
    const double start = levelOf(false);
    points.insert(points.end(), {{520, start}, {572, start}, {572, kMarkVolts}});
    points.insert(points.end(), idleLine.begin(), idleLine.end());
    return points;
}

} // namespace

std::optional<std::vector<TracePoint>> sendTrace(std::u16string_view binaryText) {
    static constexpr TracePoint idleLine[] = {
        {624, kMarkVolts}, {624, kMarkVolts}, {700, kMarkVolts}};
    return frameTrace(binaryText, idleLine);
}

std::optional<std::vector<TracePoint>> zoomTrace(std::u16string_view binaryText) {
    static constexpr TracePoint idleLine[] = {{2500, kMarkVolts}};
    return frameTrace(binaryText, idleLine);
}

} // namespace quarnel
