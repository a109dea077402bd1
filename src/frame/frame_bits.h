#pragma once

#include "frame_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarnel::frame {

enum class BitRole { Idle, Start, Data, Parity, Stop };

// One bit cell of the line. `mark` is the logic level (1 = mark, the idle level).
// Lengths are in half bits: 2 for every bit but a 1.5 stop bit (3) and idle spans.
struct FrameBit {
    BitRole role;
    int dataIndex; // the bit's weight (b0 ... b8) for a data bit, else -1
    bool mark;
    std::uint64_t halfBits;
    bool altered = false; // sent as the other level on purpose, to show an error
};

// Errors put into a frame on purpose: data bits (by weight) and the parity bit sent flipped,
// the stop bits sent as space.
struct FrameFaults {
    std::uint16_t flippedData = 0; // bit k flips b<k>
    bool flippedParity = false;
    bool falseStop = false;

    bool any() const { return flippedData != 0 || flippedParity || falseStop; }
};

// The parity bit of the low `dataBits` bits of the value; none without parity.
std::optional<bool> parityBit(std::uint16_t value, int dataBits, Parity parity);

// Start, data in the format's order, parity, stop: the cells of one frame, with the faults
// asked for sent as the other level and marked altered.
std::vector<FrameBit> frameBits(std::uint16_t value, const FrameFormat& format,
                                const FrameFaults& faults = {});

// Half bits that one frame takes on the line.
std::uint64_t frameHalfBits(const FrameFormat& format);

// "Repos", "Break", "Start", "b0" ... "b8", "P", "Stop": the name a handout gives the cell.
std::string bitName(const FrameBit& bit);

} // namespace quarnel::frame
