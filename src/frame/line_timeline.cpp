#include "line_timeline.h"

namespace quarnel::frame {

namespace {
// 128 bits: h × 10^9 overflows 64 bits beyond about 1.8 × 10^10 half bits.
__extension__ typedef unsigned __int128 Wide;
} // namespace

std::uint64_t lineHalfBits(std::size_t frames, const FrameFormat& format, const LineTiming& timing) {
    const std::uint64_t pauses = frames > 0 ? frames - 1 : 0;
    return 2 * std::uint64_t{timing.idleBefore} + frames * frameHalfBits(format) +
           pauses * 2 * std::uint64_t{timing.pause} + 2 * std::uint64_t{timing.breakBits} +
           2 * std::uint64_t{timing.idleAfter};
}

std::uint64_t nanosecondsAt(std::uint64_t halfBits, std::uint32_t bitRate) {
    const Wide denominator = 2 * static_cast<Wide>(bitRate);
    const Wide numerator = static_cast<Wide>(halfBits) * 1'000'000'000u;
    return static_cast<std::uint64_t>((numerator + denominator / 2) / denominator);
}

} // namespace quarnel::frame
