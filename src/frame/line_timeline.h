#pragma once

#include "frame_bits.h"
#include "frame_format.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace quarnel::frame {

// Idle around the frames and between them, in bit times.
struct LineTiming {
    std::uint32_t idleBefore = 2;
    std::uint32_t idleAfter = 2;
    std::uint32_t pause = 0;
};

inline constexpr std::uint32_t kMaxPause = 1000;
inline constexpr std::size_t kNoFrame = static_cast<std::size_t>(-1);

// A bit cell placed on the line: it starts `startHalfBits` half bits after the line begins.
struct PlacedBit {
    FrameBit bit;
    std::uint64_t startHalfBits;
    std::size_t frame; // index of the value it carries, kNoFrame for idle
};

// The whole line's length in half bits.
std::uint64_t lineHalfBits(std::size_t frames, const FrameFormat& format, const LineTiming& timing);

// Nanoseconds from the line's beginning to a half-bit boundary: round(h / (2 × rate) s),
// computed in integers so that no rounding error piles up along a long text.
std::uint64_t nanosecondsAt(std::uint64_t halfBits, std::uint32_t bitRate);

// Every cell of the line in time order: idle before, each frame (with the pause before
// every frame but the first), idle after. Idle spans come as one cell each.
template <typename Visit>
void forEachPlacedBit(std::span<const std::uint16_t> values, const FrameFormat& format,
                      const LineTiming& timing, Visit&& visit) {
    std::uint64_t at = 0;
    auto idle = [&](std::uint32_t bits) {
        if (bits == 0)
            return;
        const FrameBit cell{BitRole::Idle, -1, true, 2 * static_cast<std::uint64_t>(bits)};
        visit(PlacedBit{cell, at, kNoFrame});
        at += cell.halfBits;
    };
    idle(timing.idleBefore);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            idle(timing.pause);
        for (const FrameBit& bit : frameBits(values[i], format)) {
            visit(PlacedBit{bit, at, i});
            at += bit.halfBits;
        }
    }
    idle(timing.idleAfter);
}

} // namespace quarnel::frame

namespace quarnel::frame {

// The line as runs of one level: visit(startHalfBits, endHalfBits, mark) for each run in
// order, neighbouring cells of the same level merged, the last run ending with the line.
template <typename Visit>
void forEachLevelRun(std::span<const std::uint16_t> values, const FrameFormat& format,
                     const LineTiming& timing, Visit&& visit) {
    bool started = false;
    bool level = true;
    std::uint64_t runStart = 0;
    std::uint64_t end = 0;
    forEachPlacedBit(values, format, timing, [&](const PlacedBit& placed) {
        if (!started || placed.bit.mark != level) {
            if (started)
                visit(runStart, placed.startHalfBits, level);
            started = true;
            level = placed.bit.mark;
            runStart = placed.startHalfBits;
        }
        end = placed.startHalfBits + placed.bit.halfBits;
    });
    if (started)
        visit(runStart, end, level);
}

} // namespace quarnel::frame
