#include "frame_trace.h"

#include "parity.h"

namespace quarnel {

namespace {

double levelOf(int digit) {
    return digit == 1 ? kMarkVolts : kSpaceVolts;
}

// Points shared by both traces: stop bit, parity bit and the eight data bits. Each data
// bit is level for 50 µs and slopes to the next over the last 2 µs of its slot.
std::optional<std::vector<TracePoint>> frameHead(std::u16string_view binaryText,
                                                 std::size_t capacity) {
    const auto digits = dataByteDigits(binaryText);
    if (!digits)
        return std::nullopt;
    const double parity = *parite(binaryText) == 1.0 ? kMarkVolts : kSpaceVolts;

    std::vector<TracePoint> points;
    points.reserve(capacity);
    points.push_back({0, kMarkVolts});
    points.push_back({kBitSlotMicros, kMarkVolts});
    points.push_back({kBitSlotMicros, parity});
    points.push_back({2 * kBitSlotMicros, parity});
    // The bit sent first (bit 0, the last character) stands beside the start bit.
    for (int i = 1; i <= 8; ++i) {
        const double x = kBitSlotMicros * i + kBitSlotMicros;
        const double level = levelOf((*digits)[static_cast<std::size_t>(i - 1)]);
        points.push_back({x, level});
        points.push_back({x + 50, level});
    }
    return points;
}

} // namespace

std::optional<std::vector<TracePoint>> sendTrace(std::u16string_view binaryText) {
    auto points = frameHead(binaryText, 26);
    if (!points)
        return std::nullopt;
    const double start = levelOf(0);
    points->insert(points->end(), {
                                      {520, start},
                                      {572, start},
                                      {572, kMarkVolts},
                                      {624, kMarkVolts},
                                      {624, kMarkVolts},
                                      {700, kMarkVolts},
                                  });
    return points;
}

std::optional<std::vector<TracePoint>> zoomTrace(std::u16string_view binaryText) {
    auto points = frameHead(binaryText, 24);
    if (!points)
        return std::nullopt;
    const double start = levelOf(0);
    points->insert(points->end(), {
                                      {520, start},
                                      {572, start},
                                      {572, kMarkVolts},
                                      {2500, kMarkVolts},
                                  });
    return points;
}

} // namespace quarnel
