// The receiver against instants and verdicts worked by hand, and its tolerance formula against
// the receiver itself run at the bounds and just beyond them.
#include "receiver.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quarnel::frame {
namespace {

FrameFormat format(int dataBits, Parity parity, int stopHalfBits) {
    FrameFormat f;
    f.dataBits = dataBits;
    f.parity = parity;
    f.stopHalfBits = stopHalfBits;
    return f;
}

std::vector<ReceivedFrame> received(const std::vector<std::uint16_t>& values, const FrameFormat& f,
                                    const LineTiming& timing, ReceiverRate rate) {
    std::vector<ReceivedFrame> frames;
    receive(values, f, timing, rate, [&](const ReceivedFrame& frame) { frames.push_back(frame); });
    return frames;
}

std::vector<std::string> verdicts(const std::vector<std::uint16_t>& values, const FrameFormat& f,
                                  const LineTiming& timing, ReceiverRate rate) {
    std::vector<std::string> lines;
    std::size_t number = 0;
    for (const ReceivedFrame& frame : received(values, f, timing, rate))
        lines.push_back(verdictLine(++number, frame, f, TextEncoding::Utf8));
    return lines;
}

// "a" in 8E1 after 2 bits of idle: the start edge is at 104.17 µs. At 19200 bit/s the receiver
// ticks every 3.2552 µs and the edge falls on tick 32; at 19776 bit/s (3 % fast) it ticks every
// 3.1603 µs and first sees the edge at tick 33 (104.29 µs). Each bit is read 8 ticks after the
// edge tick, then every 16 ticks.
struct InstantCase {
    const char* name;
    ReceiverRate rate;
    std::vector<std::uint64_t> ticks;
    std::vector<double> microseconds; // tick / (16 × rate), worked by hand
};

class MidBitInstants : public testing::TestWithParam<InstantCase> {};

TEST_P(MidBitInstants, OneTickEverySixteenthOfTheReceiversBit) {
    const InstantCase& c = GetParam();
    const auto frames = received({0x61}, FrameFormat{}, LineTiming{}, c.rate);
    ASSERT_EQ(frames.size(), 1u);
    std::vector<std::uint64_t> ticks;
    for (const ReceiverSample& sample : frames[0].samples)
        ticks.push_back(sample.tick);
    EXPECT_EQ(ticks, c.ticks);
    for (std::size_t k = 0; k < c.microseconds.size(); ++k) {
        const double halfBits = halfBitsAtTick(c.ticks[k], 19200, c.rate);
        EXPECT_NEAR(halfBits * 1e6 / 38400, c.microseconds[k], 0.001) << "bit " << k;
    }
    EXPECT_EQ(frames[0].value, 0x61);
    EXPECT_EQ(frames[0].parityHolds, true);
    EXPECT_TRUE(frames[0].stopFound);
}

INSTANTIATE_TEST_SUITE_P(
    Receiver, MidBitInstants,
    testing::Values(InstantCase{"same_rate", {19200, 1},
                                {40, 56, 72, 88, 104, 120, 136, 152, 168, 184, 200},
                                {130.208, 182.292, 234.375}},
                    InstantCase{"three_percent_fast", ReceiverRate::fromMismatch(19200, 300),
                                {41, 57, 73, 89, 105, 121, 137, 153, 169, 185, 201},
                                {129.577, 180.142, 230.708}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiverRate, MismatchIsAnExactFraction) {
    const ReceiverRate fast = ReceiverRate::fromMismatch(19200, 300);
    EXPECT_EQ(fast.numerator, 19776u);
    EXPECT_EQ(fast.denominator, 1u);
    const ReceiverRate slow = ReceiverRate::fromMismatch(9600, -425);
    EXPECT_DOUBLE_EQ(slow.bitsPerSecond(), 9192.0);
    const ReceiverRate odd = ReceiverRate::fromMismatch(300, 1);
    EXPECT_DOUBLE_EQ(odd.bitsPerSecond(), 300.03);
}

// Errors sent on purpose, read by a receiver at the sender's rate.
struct VerdictCase {
    const char* name;
    std::vector<std::uint16_t> values;
    FrameFormat format;
    FrameFaults faults;
    std::size_t faultyFrame;
    std::uint32_t breakBits;
    std::vector<std::string> lines;
};

class Verdicts : public testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, WhatTheReceiverReads) {
    const VerdictCase& c = GetParam();
    LineTiming timing;
    timing.faults = c.faults;
    timing.faultyFrame = c.faultyFrame;
    timing.breakBits = c.breakBits;
    EXPECT_EQ(verdicts(c.values, c.format, timing, {c.format.bitRate, 1}), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Receiver, Verdicts,
    testing::Values(
        VerdictCase{"clean_8E1", {0x62, 0x7E}, FrameFormat{}, {}, kNoFrame, 0,
                    {"trame 1 : lu 0x62 « b », parité juste, bit de stop présent",
                     "trame 2 : lu 0x7E « ~ », parité juste, bit de stop présent"}},
        // 0x61 has three ones: its even parity bit is 1. b0 flipped reads 0x60, two ones: caught.
        VerdictCase{"one_flip_caught", {0x61}, FrameFormat{}, {0x01, false, false}, kNoFrame, 0,
                    {"trame 1 : lu 0x60 « ` », parité fausse, bit de stop présent"}},
        // b0 and b1 flipped read 0x62, three ones again: parity cannot see it.
        VerdictCase{"two_flips_missed", {0x61}, FrameFormat{}, {0x03, false, false}, kNoFrame, 0,
                    {"trame 1 : lu 0x62 « b », parité juste, bit de stop présent"}},
        VerdictCase{"parity_bit_flipped", {0x61}, FrameFormat{}, {0, true, false}, kNoFrame, 0,
                    {"trame 1 : lu 0x61 « a », parité fausse, bit de stop présent"}},
        VerdictCase{"no_parity_to_catch_it", {0x41}, format(8, Parity::None, 2), {0x80, false, false},
                    kNoFrame, 0, {"trame 1 : lu 0xC1, sans parité, bit de stop présent"}},
        // Only the second frame has its fault; a pause of none follows, yet the idle after the
        // last frame gives the line back to mark.
        VerdictCase{"false_stop_on_the_last_frame", {0x61, 0x62}, FrameFormat{}, {0, false, true}, 1, 0,
                    {"trame 1 : lu 0x61 « a », parité juste, bit de stop présent",
                     "trame 2 : lu 0x62 « b », parité juste, bit de stop absent"}},
        // A break: all zeros, even parity 0 holds, the stop bit is space. The line then rises to
        // idle and never falls again, so one frame is read for the whole break.
        VerdictCase{"break_reads_as_zero", {0x61}, FrameFormat{}, {}, kNoFrame, 30,
                    {"trame 1 : lu 0x61 « a », parité juste, bit de stop présent",
                     "trame 2 : lu 0x00, parité juste, bit de stop absent"}},
        VerdictCase{"break_with_odd_parity", {0x61}, format(7, Parity::Odd, 2), {}, kNoFrame, 30,
                    {"trame 1 : lu 0x61 « a », parité juste, bit de stop présent",
                     "trame 2 : lu 0x00, parité fausse, bit de stop absent"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A receiver far too slow loses the next start edge: it reads the stop bit inside the next
// frame's start bit, then takes a falling edge within that frame's data for a start.
TEST(Receiver, TenPercentSlowLosesItsFooting) {
    const auto lines = verdicts({0x55, 0x55}, FrameFormat{}, LineTiming{}, ReceiverRate::fromMismatch(19200, -1000));
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0], "trame 1 : lu 0x55 « U », parité juste, bit de stop présent");
}

TEST(Verdict, LatinOneCharacterShownOnlyForLatinOne) {
    ReceivedFrame frame;
    frame.value = 0xE9;
    frame.parityHolds = true;
    frame.stopFound = true;
    EXPECT_EQ(verdictLine(4, frame, FrameFormat{}, TextEncoding::Latin1),
              "trame 4 : lu 0xE9 « é », parité juste, bit de stop présent");
    EXPECT_EQ(verdictLine(4, frame, FrameFormat{}, TextEncoding::Utf8),
              "trame 4 : lu 0xE9, parité juste, bit de stop présent");
    frame.value = 0x1FF;
    EXPECT_EQ(verdictLine(1, frame, format(9, Parity::Even, 2), TextEncoding::Latin1),
              "trame 1 : lu 0x1FF, parité juste, bit de stop présent");
}

// Tolerances worked by hand. Bit j is read (16j + 8)/16 receiver bits after the edge, at worst
// 1/16 bit more; the last bit read (the first stop bit) may end 1, 1.5 or 2 bits on.
// 8N1: lowest 16 × 9 + 9 = 153 sixteenths within 10 bits: 153/160 = 0.95625; highest 152/144.
// 8E1: 169/176 = 0.960227 and 168/160 = 1.05. 8N2: the last data bit binds, 137/144 = 0.951389.
struct ToleranceCase {
    const char* name;
    FrameFormat format;
    std::uint64_t lowestNumerator, lowestDenominator, highestNumerator, highestDenominator;
    const char* line;
};

class Tolerances : public testing::TestWithParam<ToleranceCase> {};

TEST_P(Tolerances, WorkedByHand) {
    const ToleranceCase& c = GetParam();
    const Tolerance t = tolerance(c.format);
    EXPECT_EQ(t.lowestNumerator * c.lowestDenominator, c.lowestNumerator * t.lowestDenominator);
    EXPECT_EQ(t.highestNumerator * c.highestDenominator, c.highestNumerator * t.highestDenominator);
    EXPECT_EQ(describeTolerance(c.format), c.line);
}

// Runs the receiver over every 8-bit value (7-bit for 7E1) back to back, with the receiver's
// ticks falling at many places against the edges; true when every frame reads right.
bool readsEveryFrameRight(const FrameFormat& f, ReceiverRate rate) {
    std::vector<std::uint16_t> values;
    for (unsigned v = 0; v < (1u << f.dataBits); ++v)
        values.push_back(static_cast<std::uint16_t>(v));
    for (std::uint32_t idle = 1; idle <= 23; ++idle) {
        LineTiming timing;
        timing.idleBefore = idle;
        const auto frames = received(values, f, timing, rate);
        if (frames.size() != values.size())
            return false;
        for (std::size_t k = 0; k < frames.size(); ++k)
            if (frames[k].value != values[k] || frames[k].parityHolds == false || !frames[k].stopFound)
                return false;
    }
    return true;
}

TEST_P(Tolerances, TheReceiverHoldsAtTheBoundsAndFailsJustBeyond) {
    const ToleranceCase& c = GetParam();
    const std::uint64_t sender = c.format.bitRate;
    // Rates as exact fractions of the sender's; "beyond" is a thousandth further out.
    const ReceiverRate lowest{sender * c.lowestNumerator, c.lowestDenominator};
    const ReceiverRate highest{sender * c.highestNumerator, c.highestDenominator};
    EXPECT_TRUE(readsEveryFrameRight(c.format, lowest));
    EXPECT_TRUE(readsEveryFrameRight(c.format, highest));
    EXPECT_FALSE(readsEveryFrameRight(c.format, {sender * c.lowestNumerator * 999, c.lowestDenominator * 1000}));
    EXPECT_FALSE(readsEveryFrameRight(c.format, {sender * c.highestNumerator * 1001, c.highestDenominator * 1000}));
}

INSTANTIATE_TEST_SUITE_P(
    Receiver, Tolerances,
    testing::Values(
        ToleranceCase{"8N1", format(8, Parity::None, 2), 153, 160, 19, 18,
                      "19200 bit/s, 8 bits de données, sans parité, 1 bit de stop : toutes les trames sont lues "
                      "justes pour un récepteur de -4,37 % à +5,55 % du débit (de 18360 à 20266 bit/s)"},
        ToleranceCase{"8E1", FrameFormat{}, 169, 176, 21, 20,
                      "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop : toutes les trames sont lues "
                      "justes pour un récepteur de -3,97 % à +5,00 % du débit (de 18437 à 20160 bit/s)"},
        ToleranceCase{"7E1", format(7, Parity::Even, 2), 153, 160, 19, 18,
                      "19200 bit/s, 7 bits de données, parité paire, 1 bit de stop : toutes les trames sont lues "
                      "justes pour un récepteur de -4,37 % à +5,55 % du débit (de 18360 à 20266 bit/s)"},
        ToleranceCase{"8N2", format(8, Parity::None, 4), 137, 144, 19, 18,
                      "19200 bit/s, 8 bits de données, sans parité, 2 bits de stop : toutes les trames sont lues "
                      "justes pour un récepteur de -4,86 % à +5,55 % du débit (de 18267 à 20266 bit/s)"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quarnel::frame
