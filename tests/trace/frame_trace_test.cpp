#include "error.h"
#include "frame_trace.h"
#include "zoom.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace quarnel {
namespace {

constexpr double H = kSpaceVolts; // logic 0, start bit
constexpr double L = kMarkVolts;  // logic 1, idle, stop bit

// The times of the head's points, worked out by hand: stop bit 0-52, parity 52-104, then
// one 52 µs slot per data bit, level for 50 µs and sloping over the last 2.
constexpr double kHeadTimes[20] = {0,   52,  52,  104, 104, 154, 156, 206, 208, 258,
                                   260, 310, 312, 362, 364, 414, 416, 466, 468, 518};

// The head from its ten levels left to right: stop, parity, data bits 7 down to 0.
std::vector<TracePoint> headFor(double parity, std::array<double, 8> levelsLeftToRight) {
    std::array<double, 10> levels = {L, parity};
    std::copy(levelsLeftToRight.begin(), levelsLeftToRight.end(), levels.begin() + 2);
    std::vector<TracePoint> head;
    for (std::size_t i = 0; i < 20; ++i)
        head.push_back({kHeadTimes[i], levels[i / 2]});
    return head;
}

const std::vector<TracePoint> kSendTail = {{520, H}, {572, H}, {572, L},
                                           {624, L}, {624, L}, {700, L}};
const std::vector<TracePoint> kZoomTail = {{520, H}, {572, H}, {572, L}, {2500, L}};

std::vector<TracePoint> concat(std::vector<TracePoint> a, const std::vector<TracePoint>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Frame {
    const char* name;
    std::u16string binary;
    std::vector<TracePoint> head;
};

// Left to right: stop, parity, then the data bits as the binary text reads (bit 7 first),
// so that bit 0, sent first, stands beside the start bit.
const Frame kFrames[] = {
    {"a", u"01100001", headFor(L, {H, L, L, H, H, H, H, L})},
    {"c", u"01100011", headFor(H, {H, L, L, H, H, H, L, L})},
    {"w", u"01110111", headFor(H, {H, L, L, L, H, L, L, L})},
    {"code_20AC_uses_first_byte", u"0010000010101100", headFor(L, {H, H, L, H, H, H, H, H})},
    {"one_digit_A_is_low_bits", u"1010", headFor(H, {H, H, H, H, L, H, L, H})},
    {"bit_7_set", u"10000000", headFor(L, {L, H, H, H, H, H, H, H})},
};

class Traces : public testing::TestWithParam<Frame> {};

TEST_P(Traces, SendTraceIsHeadThenStartBitAndIdleLine) {
    EXPECT_EQ(sendTrace(GetParam().binary), concat(GetParam().head, kSendTail));
}

TEST_P(Traces, ZoomTraceHasTheSameHeadAndALongIdleLine) {
    EXPECT_EQ(zoomTrace(GetParam().binary), concat(GetParam().head, kZoomTail));
}

TEST_P(Traces, TimeNeverGoesBackwards) {
    for (const auto& trace : {*sendTrace(GetParam().binary), *zoomTrace(GetParam().binary)}) {
        for (std::size_t i = 1; i < trace.size(); ++i)
            EXPECT_LE(trace[i - 1].x, trace[i].x) << "point " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Letters, Traces, testing::ValuesIn(kFrames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Traces, CountsAreTwentySixAndTwentyFour) {
    EXPECT_EQ(sendTrace(u"01100011")->size(), 26u);
    EXPECT_EQ(zoomTrace(u"01100011")->size(), 24u);
}

TEST(Traces, ZoomTraceStartBitIsLevelEvenAfterAOne) {
    // Bit 0 set: without the start bit's left end the line would slope from 518 to 572.
    const auto trace = *zoomTrace(u"00000001");
    EXPECT_EQ(trace[19], (TracePoint{518, L}));
    EXPECT_EQ(trace[20], (TracePoint{520, H}));
    EXPECT_EQ(trace[21], (TracePoint{572, H}));
}

TEST(Traces, EmptyBinaryTextHasNoTrace) {
    EXPECT_EQ(sendTrace(u""), std::nullopt);
    EXPECT_EQ(zoomTrace(u""), std::nullopt);
}

TEST(Traces, NonDigitInTheDataByteIsAConversionError) {
    EXPECT_THROW(sendTrace(u"0110 001"), ConversionError);
    EXPECT_THROW(zoomTrace(u"0110 001"), ConversionError);
}

TEST(Zoom, StepsTheMaximumByOneHundredMicroseconds) {
    EXPECT_EQ(zoomedMaximum(600, ZoomDirection::In), 500);
    EXPECT_EQ(zoomedMaximum(600, ZoomDirection::Out), 700);
    EXPECT_EQ(zoomedMaximum(zoomedMaximum(600, ZoomDirection::Out), ZoomDirection::In), 600);
    double maximum = 600;
    for (int i = 0; i < 6; ++i)
        maximum = zoomedMaximum(maximum, ZoomDirection::In);
    EXPECT_EQ(maximum, 0);
}

} // namespace
} // namespace quarnel
