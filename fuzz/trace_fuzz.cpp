// Both traces and the spoken description of a frame on any binary text.
//
// Input: the text (see ByteReader::text), at most 64 units: only the first eight count.
#include "character_code.h"
#include "error.h"
#include "frame_description.h"
#include "frame_trace.h"
#include "fuzz_support.h"
#include "parity.h"
#include "utf16.h"

#include <optional>
#include <vector>

using namespace quarnel;
using namespace quarnel::fuzz;

namespace {

using Trace = std::vector<TracePoint>;

// What each function gives: its result, or the message of the conversion error it raised.
template <typename Function> auto outcome(Function function) {
    using Result = decltype(function());
    struct Outcome {
        std::optional<Result> result;
        std::u16string error;
    } out;
    try {
        out.result = function();
    } catch (const ConversionError& error) {
        out.error = error.message();
    }
    return out;
}

double levelOf(int digit) {
    return digit == 1 ? -5.0 : 5.0;
}

// The frame read back from the picture: stop bit, parity, then data bits 7 down to 0, each
// level over its 50 µs, the x never decreasing, every y one of the two line levels.
void checkHead(const Trace& trace, const std::array<int, 8>& digits, double parity) {
    for (std::size_t i = 1; i < trace.size(); ++i)
        FUZZ_CHECK(trace[i - 1].x <= trace[i].x);
    for (const TracePoint& point : trace)
        FUZZ_CHECK(point.y == -5.0 || point.y == 5.0);
    FUZZ_CHECK((trace[0] == TracePoint{0, -5}) && (trace[1] == TracePoint{52, -5}));
    const double parityLevel = parity == 1.0 ? -5.0 : 5.0;
    FUZZ_CHECK((trace[2] == TracePoint{52, parityLevel}) &&
               (trace[3] == TracePoint{104, parityLevel}));
    for (std::size_t k = 0; k < 8; ++k) {
        const double x = 104 + 52.0 * static_cast<double>(k);
        const double level = levelOf(digits[k]);
        FUZZ_CHECK((trace[4 + 2 * k] == TracePoint{x, level}));
        FUZZ_CHECK((trace[5 + 2 * k] == TracePoint{x + 50, level}));
    }
}

void checkDescription(const std::u16string& text, const std::array<int, 8>& digits) {
    int byte = 0;
    for (int digit : digits)
        byte = byte * 2 + (digit == 1 ? 1 : 0);
    FUZZ_CHECK(text.starts_with(u"Trame du caract\u00e8re "));
    FUZZ_CHECK(text.find(u"(code " + hexText(byte, 2) + u")") != std::u16string::npos);
    FUZZ_CHECK(text.ends_with(u", bit de stop 1 (-5 V)."));
    // Only the byte's own character is ever named: never half a surrogate pair.
    for (char16_t c : text)
        FUZZ_CHECK(!isHighSurrogate(c) && !isLowSurrogate(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const std::u16string binary = input.text(64);

    const auto digits = outcome([&] { return dataByte(binary); });
    const auto parity = outcome([&] { return parite(binary); });
    const auto send = outcome([&] { return sendTrace(binary); });
    const auto zoom = outcome([&] { return zoomTrace(binary); });
    const auto description = outcome([&] { return frameDescription(binary); });

    // All fail alike when a character of the data byte is not a digit.
    FUZZ_CHECK(send.error == digits.error && zoom.error == digits.error &&
               description.error == digits.error && parity.error == digits.error);
    if (!digits.result)
        return 0;
    FUZZ_CHECK(send.result && zoom.result && description.result);

    // An empty text has no frame.
    const bool hasFrame = digits.result->has_value();
    FUZZ_CHECK(send.result->has_value() == hasFrame && zoom.result->has_value() == hasFrame);
    FUZZ_CHECK(description.result->empty() == !hasFrame);
    if (!hasFrame)
        return 0;

    const Trace& sent = **send.result;
    const Trace& zoomed = **zoom.result;
    FUZZ_CHECK(sent.size() == 26 && zoomed.size() == 24);
    checkHead(sent, (*digits.result)->digits, **parity.result);
    checkHead(zoomed, (*digits.result)->digits, **parity.result);
    // The start bit and the idle line end every trace alike.
    const Trace sendTail(sent.begin() + 20, sent.end());
    const Trace zoomTail(zoomed.begin() + 20, zoomed.end());
    FUZZ_CHECK((sendTail == Trace{{520, 5}, {572, 5}, {572, -5}, {624, -5}, {624, -5}, {700, -5}}));
    FUZZ_CHECK((zoomTail == Trace{{520, 5}, {572, 5}, {572, -5}, {2500, -5}}));
    checkDescription(*description.result, (*digits.result)->digits);
    return 0;
}
