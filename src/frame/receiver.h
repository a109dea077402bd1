#pragma once

#include "frame_format.h"
#include "line_timeline.h"
#include "text_values.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quarnel::frame {

// The receiver's own bit rate, exactly: numerator / denominator bit/s. A mismatch given in
// hundredths of a percent stays a fraction, so tick times never round.
struct ReceiverRate {
    std::uint64_t numerator;
    std::uint64_t denominator = 1;

    static ReceiverRate fromMismatch(std::uint32_t senderRate, int hundredthsOfPercent);
    double bitsPerSecond() const;
};

// The receiver's clock ticks 16 times per bit of its own rate, from the line's beginning, as
// a UART's does. It takes a start edge at the first tick that reads space after one that read
// mark, and reads the line at tick 8, 24, 40... after it: the middle of each of its own bits.
inline constexpr std::uint64_t kTicksPerBit = 16;
inline constexpr std::uint64_t kSampleTick = 8;

struct ReceiverSample {
    std::uint64_t tick;
    bool mark;
};

// One frame as the receiver read it: samples of the start bit, the data bits in line order,
// the parity bit, the first stop bit (the only one a receiver checks).
struct ReceivedFrame {
    std::vector<ReceiverSample> samples;
    std::uint16_t value = 0;
    std::optional<bool> parityHolds; // none without parity
    bool stopFound = false;
};

// Reads the line and calls found(const ReceivedFrame&) for each frame, in order. A start bit
// that reads mark at its middle is no frame: the receiver goes back to waiting. After the line's
// end the line stays idle, so a frame begun is always finished. Memory does not grow with the text.
void receive(std::span<const std::uint16_t> values, const FrameFormat& format,
             const LineTiming& timing, ReceiverRate rate,
             const std::function<void(const ReceivedFrame&)>& found);

// Where a tick lies on the line, in the sender's half bits.
double halfBitsAtTick(std::uint64_t tick, std::uint32_t senderRate, ReceiverRate rate);

// "trame 3 : lu 0x62 « b », parité fausse, bit de stop absent". The character is shown when the
// value is a printable one of the text's encoding taken alone.
std::string verdictLine(std::size_t number, const ReceivedFrame& frame, const FrameFormat& format,
                        TextEncoding encoding);

// The receiver rates, as fractions of the sender's, between which every frame of the format is
// read right whatever its data and wherever the receiver's ticks fall: the bounds included.
struct Tolerance {
    std::uint64_t lowestNumerator, lowestDenominator;
    std::uint64_t highestNumerator, highestDenominator;
};
Tolerance tolerance(const FrameFormat& format);

// "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop : toutes les trames sont lues
// justes pour un récepteur de -3,97 % à +5,00 % du débit (de 18437 à 20160 bit/s)"
std::string describeTolerance(const FrameFormat& format);

} // namespace quarnel::frame
