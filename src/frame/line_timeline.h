#pragma once

#include "frame_bits.h"
#include "frame_format.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace quarnel::frame {

inline constexpr std::uint32_t kMaxPause = 1000;
inline constexpr std::uint32_t kMaxBreak = 1000;
inline constexpr std::size_t kNoFrame = static_cast<std::size_t>(-1);

// How the line runs around the frames, in bit times: idle before them, a pause between two, a
// break (the line held at space) after the last, then idle; and the errors sent on purpose,
// in one frame or, when `faultyFrame` is kNoFrame, in all.
struct LineTiming {
    std::uint32_t idleBefore = 2;
    std::uint32_t idleAfter = 2;
    std::uint32_t pause = 0;
    std::uint32_t breakBits = 0;
    FrameFaults faults;
    std::size_t faultyFrame = kNoFrame;

    const FrameFaults& faultsOf(std::size_t frame) const {
        static const FrameFaults none;
        return faultyFrame == kNoFrame || faultyFrame == frame ? faults : none;
    }
};

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
// every frame but the first), the break, idle after. Idle spans and the break come as one
// cell each (the break as an idle cell at space).
template <typename Visit>
void forEachPlacedBit(std::span<const std::uint16_t> values, const FrameFormat& format,
                      const LineTiming& timing, Visit&& visit) {
    std::uint64_t at = 0;
    auto idle = [&](std::uint32_t bits, bool mark = true) {
        if (bits == 0)
            return;
        const FrameBit cell{BitRole::Idle, -1, mark, 2 * static_cast<std::uint64_t>(bits), !mark};
        visit(PlacedBit{cell, at, kNoFrame});
        at += cell.halfBits;
    };
    idle(timing.idleBefore);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            idle(timing.pause);
        for (const FrameBit& bit : frameBits(values[i], format, timing.faultsOf(i))) {
            visit(PlacedBit{bit, at, i});
            at += bit.halfBits;
        }
    }
    idle(timing.breakBits, false);
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
