// The frame model of quarnel-trame on any format and any text: it refuses with a French
// message or gives a line whose VCD edges go forward in time, whose CSV has one row per
// sample, and whose frames are as many as the values. The receiver at the sender's rate, or
// at any rate its tolerance claims, reads every value back; at any rate, with any errors
// sent, its readings go forward in time and it never finds more frames than the line has
// room for.
//
// Input: rate (4 bytes), data bits, parity, stop, order, encoding, hex flag, pause, receiver
// mismatch (2 bytes, hundredths of a percent), errors (flipped bits, 2 bytes; parity and stop
// flags, 1 byte), break, then the text (raw bytes: UTF-8 or not).
#include "frame_bits.h"
#include "fuzz_support.h"
#include "line_writers.h"
#include "receiver.h"
#include "text_values.h"

#include <optional>
#include <sstream>
#include <string>

using namespace quarnel::frame;
using namespace quarnel::fuzz;

namespace {

FrameFormat formatFrom(ByteReader& input) {
    FrameFormat format;
    format.bitRate = 1 + input.unsignedValue<std::uint32_t>() % kMaxBitRate;
    format.dataBits = kMinDataBits + input.byte() % (kMaxDataBits - kMinDataBits + 1);
    format.parity = static_cast<Parity>(input.byte() % 5);
    format.stopHalfBits = 2 + input.byte() % 3;
    format.order = input.byte() % 2 ? BitOrder::MsbFirst : BitOrder::LsbFirst;
    return format;
}

void checkVcd(std::span<const std::uint16_t> values, const FrameFormat& format, const LineTiming& timing) {
    std::ostringstream out;
    writeVcd(out, values, format, timing, "fuzz");
    std::istringstream lines(out.str());
    std::string line;
    long long last = -1;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] != '#')
            continue;
        const long long t = std::stoll(line.substr(1));
        FUZZ_CHECK(t > last);
        last = t;
    }
    FUZZ_CHECK(static_cast<std::uint64_t>(last) == nanosecondsAt(lineHalfBits(values.size(), format, timing), format.bitRate));
}

void checkCsv(std::span<const std::uint16_t> values, const FrameFormat& format, const LineTiming& timing) {
    // Four samples a bit keep the output small; each row is one sample before the line's end.
    std::ostringstream out;
    const std::uint64_t sampleRate = 4ull * format.bitRate;
    writeCsv(out, values, format, timing, sampleRate, CsvDialect::French);
    const std::string text = out.str();
    std::uint64_t rows = 0;
    for (char c : text)
        rows += c == '\n' ? 1 : 0;
    const std::uint64_t halfBits = lineHalfBits(values.size(), format, timing);
    FUZZ_CHECK(rows == 1 + 2 * halfBits); // the header, then 4 samples a bit, 2 a half bit
    FUZZ_CHECK(text.find('.') == std::string::npos);
}

// Whether every frame reads back as sent, parity right and stop found.
bool readsBack(std::span<const std::uint16_t> values, const FrameFormat& format, const LineTiming& timing,
               ReceiverRate rate) {
    std::size_t frame = 0;
    bool right = true;
    receive(values, format, timing, rate, [&](const ReceivedFrame& received) {
        right = right && frame < values.size() && received.value == values[frame] &&
                received.parityHolds != false && received.stopFound;
        ++frame;
    });
    return right && frame == values.size();
}

bool withinTolerance(const FrameFormat& format, ReceiverRate rate) {
    // rate / sender rate against the fractions, cross-multiplied in 128 bits.
    using Wide = unsigned __int128;
    const Tolerance bounds = tolerance(format);
    const Wide ratioNumerator = rate.numerator;
    const Wide ratioDenominator = Wide{rate.denominator} * format.bitRate;
    return ratioNumerator * bounds.lowestDenominator >= Wide{bounds.lowestNumerator} * ratioDenominator &&
           ratioNumerator * bounds.highestDenominator <= Wide{bounds.highestNumerator} * ratioDenominator;
}

void checkReceiver(std::span<const std::uint16_t> values, const FrameFormat& format, const LineTiming& timing,
                   int mismatch) {
    LineTiming clean = timing;
    clean.faults = {};
    clean.breakBits = 0;
    FUZZ_CHECK(readsBack(values, format, clean, ReceiverRate{format.bitRate, 1}));
    const ReceiverRate rate = ReceiverRate::fromMismatch(format.bitRate, mismatch);
    if (withinTolerance(format, rate))
        FUZZ_CHECK(readsBack(values, format, clean, rate));

    // Any rate, any errors: each frame takes its samples in time order, after the last frame's.
    const std::size_t samples = static_cast<std::size_t>(format.dataBits) + (format.parity == Parity::None ? 2 : 3);
    const std::uint64_t halfBits = lineHalfBits(values.size(), format, timing);
    std::optional<std::uint64_t> lastTick;
    std::uint64_t frames = 0;
    receive(values, format, timing, rate, [&](const ReceivedFrame& received) {
        FUZZ_CHECK(received.samples.size() == samples);
        for (const ReceiverSample& sample : received.samples) {
            FUZZ_CHECK(!lastTick || sample.tick > *lastTick);
            lastTick = sample.tick;
        }
        FUZZ_CHECK(halfBitsAtTick(received.samples.front().tick, format.bitRate, rate) < static_cast<double>(halfBits));
        ++frames;
    });
    // A frame needs a space reading after a mark one, and takes a whole frame's readings.
    FUZZ_CHECK(frames <= halfBits / 2 + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const FrameFormat format = formatFrom(input);
    const auto encoding = static_cast<TextEncoding>(input.byte() % 3);
    const bool hex = input.byte() % 2 == 1;
    LineTiming timing;
    timing.pause = static_cast<std::uint32_t>(input.byte() % 8);
    const int mismatch = static_cast<int>(input.unsignedValue<std::uint16_t>() % 10001) - 5000; // -50 % to +50 %
    timing.faults.flippedData = static_cast<std::uint16_t>(input.unsignedValue<std::uint16_t>() & ((1u << format.dataBits) - 1));
    const std::uint8_t flags = input.byte();
    timing.faults.flippedParity = (flags & 1) && format.parity != Parity::None;
    timing.faults.falseStop = (flags & 2) != 0;
    timing.breakBits = input.byte() % 32;
    std::string text;
    while (!input.atEnd() && text.size() < 64)
        text += static_cast<char>(input.byte());

    std::vector<std::uint16_t> values;
    try {
        values = hex ? hexValues(text, format.dataBits) : textValues(text, encoding, format.dataBits);
    } catch (const InputError& error) {
        FUZZ_CHECK(*error.what() != '\0');
        return 0;
    }
    FUZZ_CHECK(!values.empty());
    std::size_t starts = 0;
    forEachPlacedBit(values, format, timing, [&](const PlacedBit& placed) {
        starts += placed.bit.role == BitRole::Start ? 1 : 0;
        if (placed.frame != kNoFrame)
            FUZZ_CHECK(placed.frame < values.size());
    });
    FUZZ_CHECK(starts == values.size());
    for (std::uint16_t value : values)
        FUZZ_CHECK(value >> format.dataBits == 0);
    checkVcd(values, format, timing);
    checkCsv(values, format, timing);
    checkReceiver(values, format, timing, mismatch);
    return 0;
}
