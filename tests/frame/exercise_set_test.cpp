// The exercise generator: the same seed gives the same sheet, and the answers it holds match
// frames worked by hand.
#include "exercise_set.h"
#include "test_formats.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

namespace quarnel::frame {
namespace {

using testing_formats::format;

const FrameFormat k8E1 = format(8, Parity::Even, 2);
const FrameFormat k7O2 = format(7, Parity::Odd, 4);
const FrameFormat k8N1 = format(8, Parity::None, 2);

// The whole frame, one character a cell: start, data, parity, stop.
std::string sent(const Exercise& e) {
    std::string text;
    for (const FrameBit& bit : e.bits)
        text.push_back(bit.mark ? '1' : '0');
    return text;
}

// Everything that reaches the sheet, so that two sheets compare as text.
std::string sheet(const ExerciseSet& set) {
    std::string text;
    for (const Exercise& e : set.exercises)
        text += std::to_string(static_cast<int>(e.kind)) + shortName(e.format) + e.character + sent(e) + e.code +
                (e.parityHolds ? "J" : "F") + std::to_string(e.faults.flippedData) + ";";
    return text;
}

struct AnswerCase {
    const char* name;
    char letter;
    FrameFormat format;
    std::uint16_t flipped;
    const char* lineBits; // data bits in line order, worked from the code table
    const char* sent;     // start, data, parity, stop
    const char* code;
    std::uint16_t received;
    bool parityHolds;
    std::vector<int> flippedWeights;
};

// b = 0x62 = 0110 0010: LSB first 0 1 0 0 0 1 1 0, three ones, even parity bit 1.
// a = 0x61 = 0110 0001, w = 0x77 = 0111 0111 (six ones), k = 0x6B = 0110 1011 (five ones).
const AnswerCase kAnswers[] = {
    {"b_8E1", 'b', k8E1, 0, "01000110", "00100011011", "0x62", 0x62, true, {}},
    {"a_8E1", 'a', k8E1, 0, "10000110", "01000011011", "0x61", 0x61, true, {}},
    {"w_8E1", 'w', k8E1, 0, "11101110", "01110111001", "0x77", 0x77, true, {}},
    {"w_7O2", 'w', k7O2, 0, "1110111", "01110111111", "0x77", 0x77, true, {}},
    {"k_8N1_msb", 'k', format(8, Parity::None, 2, BitOrder::MsbFirst), 0, "01101011", "0011010111", "0x6B",
     0x6B, true, {}},
    // One flipped bit: b3 of b gives 0x6A, four ones, but the parity bit still says three.
    {"b_8E1_b3", 'b', k8E1, 0x08, "01010110", "00101011011", "0x62", 0x6A, false, {3}},
    // Two flipped bits keep the count of ones even: b0 and b1 of b read as a (0x61), unseen.
    {"b_8E1_b0_b1", 'b', k8E1, 0x03, "10000110", "01000011011", "0x62", 0x61, true, {0, 1}},
    // Odd parity catches one flip the same way: w in 7O2 with b6 flipped reads 0x37.
    {"w_7O2_b6", 'w', k7O2, 0x40, "1110110", "01110110111", "0x77", 0x37, false, {6}},
    {"w_7O2_b2_b5", 'w', k7O2, 0x24, "1100101", "01100101111", "0x77", 0x53, true, {2, 5}},
};

class ExerciseAnswers : public testing::TestWithParam<AnswerCase> {};

TEST_P(ExerciseAnswers, MatchFramesWorkedByHand) {
    const AnswerCase& c = GetParam();
    FrameFaults faults;
    faults.flippedData = c.flipped;
    const Exercise e = answered(ExerciseKind::CheckParity, c.format, static_cast<std::uint16_t>(c.letter), faults);
    EXPECT_EQ(e.lineBits, c.lineBits);
    EXPECT_EQ(sent(e), c.sent);
    EXPECT_EQ(e.code, c.code);
    EXPECT_EQ(e.character, c.letter);
    EXPECT_EQ(e.receivedValue, c.received);
    EXPECT_EQ(e.parityHolds, c.parityHolds);
    EXPECT_EQ(e.flipped, c.flippedWeights);
}

INSTANTIATE_TEST_SUITE_P(Letters, ExerciseAnswers, testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseSet, SameSeedSameSheetOtherSeedOtherSheet) {
    const std::vector<FrameFormat> formats{k8E1, k7O2, k8N1};
    const ExerciseSet first = makeExercises(30, 42, formats);
    EXPECT_EQ(first.seed, 42u);
    EXPECT_EQ(sheet(first), sheet(makeExercises(30, 42, formats)));
    EXPECT_NE(sheet(first), sheet(makeExercises(30, 43, formats)));
    // A shorter sheet is the beginning of the longer one: a teacher can add exercises.
    const std::string shorter = sheet(makeExercises(10, 42, formats));
    EXPECT_EQ(sheet(first).substr(0, shorter.size()), shorter);
}

TEST(ExerciseSet, KindsInTurnLettersAtoWParityOnlyWhereItShows) {
    std::set<char> letters;
    std::set<int> flipCounts;
    for (std::uint64_t seed = 0; seed < 10; ++seed) {
        const ExerciseSet set = makeExercises(100, seed, {k8N1, k8E1, k7O2});
        for (std::size_t i = 0; i < set.exercises.size(); ++i) {
            const Exercise& e = set.exercises[i];
            const ExerciseKind kinds[] = {ExerciseKind::ReadFrame, ExerciseKind::DrawFrame,
                                          ExerciseKind::CheckParity};
            EXPECT_EQ(e.kind, kinds[i % 3]) << "exercise " << i;
            EXPECT_GE(e.character, 'a');
            EXPECT_LE(e.character, 'w');
            letters.insert(e.character);
            if (e.kind == ExerciseKind::CheckParity) {
                EXPECT_NE(e.format.parity, Parity::None);
                flipCounts.insert(static_cast<int>(e.flipped.size()));
                // Even or odd parity sees an odd number of flips and only that.
                EXPECT_EQ(e.parityHolds, e.flipped.size() != 1);
            } else {
                EXPECT_EQ(e.faults.flippedData, 0) << "only parity exercises flip bits";
            }
        }
    }
    EXPECT_EQ(letters.size(), 23u) << "every letter a-w drawn";
    EXPECT_EQ(flipCounts, (std::set<int>{0, 1, 2}));

    // Without even or odd parity, a flip cannot show: the turn has two kinds.
    for (const Exercise& e : makeExercises(6, 7, {k8N1, format(8, Parity::Mark, 2)}).exercises)
        EXPECT_NE(e.kind, ExerciseKind::CheckParity);
}

TEST(ExerciseSet, RefusesWhatTheLettersCannotTravelIn) {
    EXPECT_THROW(makeExercises(3, 1, {}), std::invalid_argument);
    EXPECT_THROW(makeExercises(3, 1, {k8E1, format(6, Parity::Even, 2)}), std::invalid_argument);
}

TEST(ExerciseSet, DrawBelowStaysInRange) {
    std::mt19937_64 random(5);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(drawBelow(random, 1), 0u);
        const std::uint64_t x = drawBelow(random, 3);
        EXPECT_LT(x, 3u);
        seen.insert(x);
        // Most draws are rejected at n = 2^63 + 1: the result must still be below n.
        EXPECT_LE(drawBelow(random, (1ull << 63) + 1), 1ull << 63);
    }
    EXPECT_EQ(seen, (std::set<std::uint64_t>{0, 1, 2}));
}

TEST(ExerciseSet, ShortNames) {
    EXPECT_EQ(shortName(k8E1), "8E1");
    EXPECT_EQ(shortName(k7O2), "7O2");
    EXPECT_EQ(shortName(format(8, Parity::None, 3)), "8N1.5");
    EXPECT_EQ(shortName(format(9, Parity::Mark, 2)), "9M1");
    EXPECT_EQ(shortName(format(7, Parity::Space, 2)), "7S1");
}

} // namespace
} // namespace quarnel::frame
