#include "receiver.h"

#include "frame_bits.h"
#include "number_text.h"

#include <algorithm>
#include <numeric>

namespace quarnel::frame {

namespace {

__extension__ typedef unsigned __int128 Wide;

// Bits the receiver reads in one frame: start, data, parity, the first stop bit.
std::size_t bitsRead(const FrameFormat& format) {
    return 2 + static_cast<std::size_t>(format.dataBits) + (format.parity == Parity::None ? 0 : 1);
}

// The receiver's state machine, fed the line as runs of one level. Ticks are counted from the
// line's beginning; tick i lies at i / (16 × receiver rate) seconds.
class LineReceiver {
public:
    LineReceiver(const FrameFormat& format, std::uint32_t senderRate, ReceiverRate rate,
                 const std::function<void(const ReceivedFrame&)>& found)
        : format_(format), found_(found), bits_(bitsRead(format)),
          tickNumerator_(static_cast<Wide>(8) * rate.numerator),
          tickDenominator_(static_cast<Wide>(senderRate) * rate.denominator) {}

    // The first tick at or after a half-bit boundary: ceil(h × 8 × receiver / sender).
    std::uint64_t tickAt(std::uint64_t halfBits) const {
        return static_cast<std::uint64_t>((static_cast<Wide>(halfBits) * tickNumerator_ + tickDenominator_ - 1) /
                                          tickDenominator_);
    }

    // The ticks [first, end) read `mark`.
    void run(std::uint64_t first, std::uint64_t end, bool mark) {
        while (true) {
            if (!receiving_) {
                if (end <= nextTick_)
                    return;
                // The tick before nextTick_ read lastMark_: a start edge is space after mark.
                if (mark || !lastMark_) {
                    nextTick_ = end;
                    lastMark_ = mark;
                    return;
                }
                receiving_ = true;
                startTick_ = std::max(nextTick_, first);
                frame_ = ReceivedFrame{};
                frame_.samples.reserve(bits_);
                continue;
            }
            const std::uint64_t sample = startTick_ + kSampleTick + kTicksPerBit * frame_.samples.size();
            if (sample >= end)
                return;
            frame_.samples.push_back({sample, mark});
            const bool falseStart = frame_.samples.size() == 1 && mark;
            if (falseStart || frame_.samples.size() == bits_) {
                if (!falseStart)
                    finishFrame();
                receiving_ = false;
                nextTick_ = sample + 1;
                lastMark_ = mark;
            }
        }
    }

    // After the line's end the line stays idle: a frame begun is read to its end.
    void finish() {
        if (receiving_)
            run(nextTick_, ~std::uint64_t{0}, true);
    }

private:
    void finishFrame() {
        const int dataBits = format_.dataBits;
        for (int k = 0; k < dataBits; ++k) {
            const int weight = format_.order == BitOrder::LsbFirst ? k : dataBits - 1 - k;
            if (frame_.samples[1 + static_cast<std::size_t>(k)].mark)
                frame_.value = static_cast<std::uint16_t>(frame_.value | (1u << weight));
        }
        if (const auto expected = parityBit(frame_.value, dataBits, format_.parity))
            frame_.parityHolds = frame_.samples[1 + static_cast<std::size_t>(dataBits)].mark == *expected;
        frame_.stopFound = frame_.samples.back().mark;
        found_(frame_);
    }

    const FrameFormat& format_;
    const std::function<void(const ReceivedFrame&)>& found_;
    const std::size_t bits_;
    const Wide tickNumerator_;
    const Wide tickDenominator_;

    bool receiving_ = false;
    std::uint64_t nextTick_ = 0; // the first tick not looked at while waiting
    bool lastMark_ = true;       // what the tick before it read; the line was idle before
    std::uint64_t startTick_ = 0;
    ReceivedFrame frame_;
};

std::string percentText(std::uint64_t numerator, std::uint64_t denominator) {
    // Hundredths of a percent of (ratio - 1), toward zero so that the figure still holds.
    const bool below = numerator < denominator;
    const Wide difference = below ? denominator - numerator : numerator - denominator;
    const auto hundredths = static_cast<std::uint64_t>(difference * 10000 / denominator);
    std::string fraction = integerText(hundredths % 100);
    if (fraction.size() < 2)
        fraction.insert(0, "0");
    return std::string(below ? "-" : "+") + integerText(hundredths / 100) + "," + fraction + " %";
}

} // namespace

ReceiverRate ReceiverRate::fromMismatch(std::uint32_t senderRate, int hundredthsOfPercent) {
    std::uint64_t numerator = std::uint64_t{senderRate} * static_cast<std::uint64_t>(10000 + hundredthsOfPercent);
    std::uint64_t denominator = 10000;
    const std::uint64_t common = std::gcd(numerator, denominator);
    return {numerator / common, denominator / common};
}

double ReceiverRate::bitsPerSecond() const {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

void receive(std::span<const std::uint16_t> values, const FrameFormat& format,
             const LineTiming& timing, ReceiverRate rate,
             const std::function<void(const ReceivedFrame&)>& found) {
    LineReceiver receiver(format, format.bitRate, rate, found);
    forEachLevelRun(values, format, timing, [&](std::uint64_t start, std::uint64_t end, bool mark) {
        receiver.run(receiver.tickAt(start), receiver.tickAt(end), mark);
    });
    receiver.finish();
}

double halfBitsAtTick(std::uint64_t tick, std::uint32_t senderRate, ReceiverRate rate) {
    return static_cast<double>(tick) * senderRate * static_cast<double>(rate.denominator) /
           (8.0 * static_cast<double>(rate.numerator));
}

std::string verdictLine(std::size_t number, const ReceivedFrame& frame, const FrameFormat& format,
                        TextEncoding encoding) {
    std::string line = "trame " + integerText(number) + " : lu " + frameCode(frame.value, format.dataBits);
    const unsigned v = frame.value;
    if (v >= 0x20 && v < 0x7F)
        line += " « " + std::string(1, static_cast<char>(v)) + " »";
    else if (encoding == TextEncoding::Latin1 && v >= 0xA0 && v <= 0xFF)
        line += " « " + std::string{static_cast<char>(0xC0 | (v >> 6)), static_cast<char>(0x80 | (v & 0x3F))} + " »";
    line += ", ";
    line += !frame.parityHolds ? "sans parité" : *frame.parityHolds ? "parité juste" : "parité fausse";
    line += frame.stopFound ? ", bit de stop présent" : ", bit de stop absent";
    return line;
}

Tolerance tolerance(const FrameFormat& format) {
    // Bit j is read at (j + 8/16) receiver bits after the start edge, plus the up to 1/16 bit
    // the receiver's clock takes to see that edge. A fast receiver reads it early, at best as
    // the edge falls on a tick: (16j + 8) / 16 receiver bits must reach j sender bits, and the
    // last bit read binds. A slow one reads it late: (16j + 9) / 16 receiver bits must stay
    // within the bit, which the first stop bit ends only when the next frame may begin.
    const std::uint64_t last = bitsRead(format) - 1;
    Tolerance result{0, 1, 16 * last + kSampleTick, 16 * last};
    for (std::uint64_t j = 0; j <= last; ++j) {
        const std::uint64_t endHalfBits = j < last ? 2 * (j + 1) : 2 * last + static_cast<std::uint64_t>(format.stopHalfBits);
        const std::uint64_t numerator = 2 * (kTicksPerBit * j + kSampleTick + 1);
        const std::uint64_t denominator = kTicksPerBit * endHalfBits;
        if (static_cast<Wide>(numerator) * result.lowestDenominator > static_cast<Wide>(result.lowestNumerator) * denominator) {
            result.lowestNumerator = numerator;
            result.lowestDenominator = denominator;
        }
    }
    return result;
}

std::string describeTolerance(const FrameFormat& format) {
    const Tolerance bounds = tolerance(format);
    const Wide rate = format.bitRate;
    const auto lowest = static_cast<std::uint64_t>((rate * bounds.lowestNumerator + bounds.lowestDenominator - 1) /
                                                   bounds.lowestDenominator);
    const auto highest = static_cast<std::uint64_t>(rate * bounds.highestNumerator / bounds.highestDenominator);
    return describe(format) + " : toutes les trames sont lues justes pour un récepteur de " +
           percentText(bounds.lowestNumerator, bounds.lowestDenominator) + " à " +
           percentText(bounds.highestNumerator, bounds.highestDenominator) + " du débit (de " +
           integerText(lowest) + " à " + integerText(highest) + " bit/s)";
}

} // namespace quarnel::frame
