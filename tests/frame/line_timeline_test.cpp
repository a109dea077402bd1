// Edge times, line length and levels against values worked by hand.
#include "line_timeline.h"

#include <gtest/gtest.h>

namespace quarnel::frame {
namespace {

struct TimeCase {
    const char* name;
    std::uint32_t bitRate;
    std::uint64_t halfBits;
    std::uint64_t nanoseconds;
};

class EdgeTimes : public testing::TestWithParam<TimeCase> {};

TEST_P(EdgeTimes, AreRoundedExactMultiplesOfTheBitTime) {
    EXPECT_EQ(nanosecondsAt(GetParam().halfBits, GetParam().bitRate), GetParam().nanoseconds);
}

// 19200 bit/s: 52083.33… ns a bit; 9600: 104166.67… ns. A million bits at 19200 is
// 52083333333.3 ns, where a sum of steps rounded to 52083 ns would be 333 µs early.
INSTANTIATE_TEST_SUITE_P(
    Rates, EdgeTimes,
    testing::Values(TimeCase{"zero", 19200, 0, 0}, TimeCase{"one_bit_19200", 19200, 2, 52083},
                    TimeCase{"two_bits_19200", 19200, 4, 104167},
                    TimeCase{"three_bits_19200", 19200, 6, 156250},
                    TimeCase{"one_and_a_half_bits_19200", 19200, 3, 78125},
                    TimeCase{"million_bits_19200", 19200, 2'000'000, 52'083'333'333},
                    TimeCase{"one_bit_9600", 9600, 2, 104167},
                    TimeCase{"eleven_bits_9600", 9600, 22, 1'145'833},
                    TimeCase{"half_bit_10M", 10'000'000, 1, 50},
                    TimeCase{"one_bit_300", 300, 2, 3'333'333},
                    TimeCase{"far_line_300", 300, 40'000'000'000, 66'666'666'666'666'667}),
    [](const auto& info) { return std::string(info.param.name); });

LineTiming timing(std::uint32_t idleBefore, std::uint32_t idleAfter, std::uint32_t pause) {
    LineTiming timing;
    timing.idleBefore = idleBefore;
    timing.idleAfter = idleAfter;
    timing.pause = pause;
    return timing;
}

TEST(LineLength, CountsIdleFramesAndPauses) {
    FrameFormat format; // 8E1: 11 bits, 22 half bits a frame
    EXPECT_EQ(lineHalfBits(2, format, timing(2, 2, 3)), 4u + 44u + 6u + 4u);
    format.parity = Parity::None;
    format.stopHalfBits = 3;
    EXPECT_EQ(lineHalfBits(1, format, timing(2, 2, 3)), 4u + 21u + 4u);
}

TEST(LineCells, IdleThenFramesWithPausesBetween) {
    FrameFormat format;
    format.dataBits = 5;
    format.parity = Parity::None;
    std::vector<std::pair<std::uint64_t, std::size_t>> starts; // (start, frame) of idle and start bits
    const std::uint16_t values[] = {0x1F, 0x00};
    forEachPlacedBit(values, format, timing(2, 1, 4), [&](const PlacedBit& placed) {
        if (placed.bit.role == BitRole::Idle || placed.bit.role == BitRole::Start)
            starts.emplace_back(placed.startHalfBits, placed.frame);
    });
    // A frame of 7 bits (14 half bits): idle 0-4, frame 4-18, pause 18-26, frame 26-40, idle 40-42.
    EXPECT_EQ(starts, (std::vector<std::pair<std::uint64_t, std::size_t>>{
                          {0, kNoFrame}, {4, 0}, {18, kNoFrame}, {26, 1}, {40, kNoFrame}}));
}

struct LevelCase {
    const char* name;
    LineLevels levels;
    double mark;
    double space;
};

class Levels : public testing::TestWithParam<LevelCase> {};

TEST_P(Levels, GiveMarkAndSpaceTheirVoltages) {
    EXPECT_EQ(GetParam().levels.markVolts(), GetParam().mark);
    EXPECT_EQ(GetParam().levels.spaceVolts(), GetParam().space);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Levels,
                         testing::Values(LevelCase{"rs232_5", {LevelKind::Rs232, 5}, -5, 5},
                                         LevelCase{"rs232_12", {LevelKind::Rs232, 12}, -12, 12},
                                         LevelCase{"ttl_5", {LevelKind::Ttl, 5}, 5, 0},
                                         LevelCase{"ttl_3v3", {LevelKind::Ttl, 3.3}, 3.3, 0},
                                         LevelCase{"ttl_inverted", {LevelKind::TtlInverted, 5}, 0, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Description, NamesTheFormatInTheHandoutsWords) {
    FrameFormat format;
    EXPECT_EQ(describe(format), "19200 bit/s, 8 bits de données, parité paire, 1 bit de stop");
    format = {9600, 7, Parity::Odd, 4, BitOrder::LsbFirst, {}};
    EXPECT_EQ(describe(format), "9600 bit/s, 7 bits de données, parité impaire, 2 bits de stop");
    format = {115200, 8, Parity::None, 3, BitOrder::LsbFirst, {}};
    EXPECT_EQ(describe(format), "115200 bit/s, 8 bits de données, sans parité, 1,5 bit de stop");
    EXPECT_EQ(describeLevels({LevelKind::Ttl, 3.3}), "TTL : repos et 1 à +3,3 V, 0 à 0 V");
}

} // namespace
} // namespace quarnel::frame
