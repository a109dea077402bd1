#include "character_code.h"
#include "error.h"

#include <gtest/gtest.h>
#include <string>

namespace quarnel {
namespace {

TEST(CharacterCode, IsTheFirstCodeUnitOfTheLetterText) {
    EXPECT_EQ(characterCode(u"a"), 97);
    EXPECT_EQ(characterCode(u"w"), 119);
    EXPECT_EQ(characterCode(u"Choisir une lettre"), u'C');
    EXPECT_EQ(characterCode(u"\u20ac"), 8364);
    // A code unit is taken without sign: the high half of the 16-bit range stays positive.
    EXPECT_EQ(characterCode(u"\uffff"), 65535);
    // A character outside the basic plane gives its first surrogate.
    EXPECT_EQ(characterCode(u"\U0001F600"), 0xD83D);
    EXPECT_EQ(characterCode(u""), std::nullopt);
}

TEST(HexText, IsUpperCaseWithAsFewDigitsAsNeeded) {
    const struct {
        std::int32_t code;
        std::u16string hex;
    } cases[] = {
        {97, u"61"}, {119, u"77"}, {10, u"A"}, {0, u"0"}, {8364, u"20AC"}, {65535, u"FFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(hexText(c.code), c.hex);
    }
    EXPECT_EQ(hexText(10, 4), u"000A");
}

TEST(Bcd, EachEntryIsTheFourBitWritingOfItsIndex) {
    for (std::size_t i = 0; i < BCD.size(); ++i) {
        ASSERT_EQ(BCD[i].size(), 4u);
        std::size_t value = 0;
        for (char16_t c : BCD[i])
            value = value * 2 + (c == u'1' ? 1 : 0);
        EXPECT_EQ(value, i) << "BCD[" << i << "]";
    }
}

struct Conversion {
    const char* name;
    std::u16string hex;
    std::u16string binary;
};

class HexToBinStrValid : public testing::TestWithParam<Conversion> {};

TEST_P(HexToBinStrValid, GivesFourBinaryDigitsPerHexDigit) {
    EXPECT_EQ(HexToBinStr(GetParam().hex), GetParam().binary);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexToBinStrValid,
    testing::Values(Conversion{"letter_a", u"61", u"01100001"},
                    Conversion{"letter_c", u"63", u"01100011"},
                    Conversion{"letter_w", u"77", u"01110111"},
                    Conversion{"lower_case_digits", u"6f", u"01101111"},
                    Conversion{"upper_case_digits", u"6F", u"01101111"},
                    Conversion{"code_above_255", u"20AC", u"0010000010101100"},
                    Conversion{"one_digit", u"A", u"1010"}, Conversion{"empty", u"", u""},
                    Conversion{"every_digit", u"0123456789abcdefABCDEF",
                               u"0000000100100011010001010110011110001001101010111100110111101111"
                               u"101010111100110111101111"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Invalid {
    const char* name;
    std::u16string hex;
    std::u16string named; // what the message quotes
};

class HexToBinStrInvalid : public testing::TestWithParam<Invalid> {};

TEST_P(HexToBinStrInvalid, NamesTheLastOffendingCharacter) {
    try {
        HexToBinStr(GetParam().hex);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(),
                  u"'" + GetParam().named + u"' n'est pas une valeur enti\u00e8re correcte");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexToBinStrInvalid,
    testing::Values(Invalid{"letter_beyond_f", u"G", u"$G"},
                    Invalid{"trailing_space", u"6 ", u"$ "}, Invalid{"sign", u"-1", u"$-"},
                    Invalid{"prefix_is_not_accepted", u"$61", u"$$"},
                    Invalid{"two_invalid_names_the_last", u"G1H", u"$H"},
                    Invalid{"accented", u"6\u00e9", u"$\u00e9"},
                    Invalid{"full_width_digit", u"\uff11", u"$\uff11"},
                    Invalid{"outside_basic_plane_named_whole", u"1\U0001F600", u"$\U0001F600"},
                    Invalid{"nul", std::u16string(u"1\0", 2), std::u16string(u"$\0", 2)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionError, IsAnErrorWithAUtf8What) {
    try {
        HexToBinStr(u"\u00e9");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'$\xc3\xa9' n'est pas une valeur enti\xc3\xa8re correcte");
    }
}

TEST(ToUtf8, EncodesPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(toUtf8(u"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD83D))), "\xef\xbf\xbd");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xDE00)) + u"a"), "\xef\xbf\xbd"
                                                                  "a");
}

} // namespace
} // namespace quarnel
