#include "error.h"
#include "parity.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace quarnel {
namespace {

struct Case {
    const char* name;
    std::u16string binary;
    double parity;
};

class Parity : public testing::TestWithParam<Case> {};

TEST_P(Parity, MakesTheOnesOfTheDataByteEven) {
    EXPECT_EQ(parite(GetParam().binary), GetParam().parity);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parity,
    testing::Values(Case{"a_three_ones", u"01100001", 1}, Case{"c_four_ones", u"01100011", 0},
                    Case{"w_six_ones", u"01110111", 0}, Case{"no_ones", u"00000000", 0},
                    Case{"all_ones", u"11111111", 0}, Case{"one_one", u"00000001", 1},
                    // Only the first eight characters count.
                    Case{"sixteen_characters", u"0010000010101100", 1},
                    Case{"ones_beyond_eighth_ignored", u"000000001111111", 0},
                    // A shorter text is the low bits of the byte.
                    Case{"one_digit_A", u"1010", 0}, Case{"one_digit_7", u"0111", 1},
                    Case{"single_character", u"1", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Parity, EmptyTextHasNone) {
    EXPECT_EQ(parite(u""), std::nullopt);
}

TEST(Parity, NonDigitAmongTheFirstEightIsAConversionError) {
    try {
        parite(u"0110x001");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), u"'x' n'est pas une valeur enti\u00e8re correcte");
    }
    // A non-digit beyond the eighth character is never read.
    EXPECT_EQ(parite(u"01100001xyz"), 1.0);
}

struct NamedCase {
    const char* name;
    std::u16string binary;
    std::u16string named;
};

class NonDigit : public testing::TestWithParam<NamedCase> {};

TEST_P(NonDigit, IsNamedAsTheWholeCharacterItIs) {
    try {
        parite(GetParam().binary);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(),
                  u"'" + GetParam().named + u"' n'est pas une valeur enti\u00e8re correcte");
    }
}

// Halves of the pair that writes U+1F600.
const std::u16string kHighHalf(1, char16_t(0xD83D));
const std::u16string kLowHalf(1, char16_t(0xDE00));

INSTANTIATE_TEST_SUITE_P(
    Texts, NonDigit,
    testing::Values(NamedCase{"emoji_is_one_character", u"01" + kHighHalf + kLowHalf,
                              kHighHalf + kLowHalf},
                    // Half a pair followed by a digit: the digit is not part of the name.
                    NamedCase{"lone_high_half", u"01" + kHighHalf + u"1", kHighHalf},
                    NamedCase{"lone_low_half", kLowHalf + u"1", kLowHalf}),
    [](const auto& info) { return std::string(info.param.name); });

struct ByteCase {
    const char* name;
    std::u16string binary;
    std::array<int, 8> digits;
    int value;
    int parityBit;
};

class DataByteRead : public testing::TestWithParam<ByteCase> {};

TEST_P(DataByteRead, GivesDigitsValueAndParityBit) {
    const auto byte = dataByte(GetParam().binary);
    ASSERT_TRUE(byte);
    EXPECT_EQ(byte->digits, GetParam().digits);
    EXPECT_EQ(byte->value, GetParam().value);
    EXPECT_EQ(byte->parityBit, GetParam().parityBit);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DataByteRead,
    testing::Values(
        ByteCase{"c", u"01100011", {0, 1, 1, 0, 0, 0, 1, 1}, 0x63, 0},
        ByteCase{"short_text_is_low_bits", u"1010", {0, 0, 0, 0, 1, 0, 1, 0}, 0x0A, 0},
        ByteCase{"first_eight_of_sixteen", u"0010000010101100", {0, 0, 1, 0, 0, 0, 0, 0}, 0x20, 1},
        ByteCase{"all_ones", u"11111111", {1, 1, 1, 1, 1, 1, 1, 1}, 0xFF, 0},
        // Digits other than 0 and 1 are kept as read and are not set bits.
        ByteCase{"other_digits", u"29", {0, 0, 0, 0, 0, 0, 2, 9}, 0, 0},
        ByteCase{"other_digits_beside_ones", u"2191", {0, 0, 0, 0, 2, 1, 9, 1}, 0x05, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataByteRead, EmptyTextHoldsNoByte) {
    EXPECT_EQ(dataByte(u""), std::nullopt);
}

} // namespace
} // namespace quarnel
