// Text and hexadecimal to frame values, and the French refusals naming what does not fit.
#include "text_values.h"

#include <gtest/gtest.h>

namespace quarnel::frame {
namespace {

struct ValuesCase {
    const char* name;
    const char* text;
    TextEncoding encoding;
    int dataBits;
    std::vector<std::uint16_t> values;
};

class TextValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(TextValues, EncodeEachCharacter) {
    EXPECT_EQ(textValues(GetParam().text, GetParam().encoding, GetParam().dataBits), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, TextValues,
    testing::Values(ValuesCase{"ascii_in_utf8", "Ab", TextEncoding::Utf8, 8, {0x41, 0x62}},
                    ValuesCase{"e_acute_utf8", "é", TextEncoding::Utf8, 8, {0xC3, 0xA9}},
                    ValuesCase{"euro_utf8", "€", TextEncoding::Utf8, 8, {0xE2, 0x82, 0xAC}},
                    ValuesCase{"clef_utf8", "\U0001D11E", TextEncoding::Utf8, 8, {0xF0, 0x9D, 0x84, 0x9E}},
                    ValuesCase{"e_acute_latin1", "é", TextEncoding::Latin1, 8, {0xE9}},
                    ValuesCase{"y_diaeresis_latin1_9_bits", "ÿ", TextEncoding::Latin1, 9, {0xFF}},
                    ValuesCase{"ascii_7_bits", "AT\r", TextEncoding::Ascii, 7, {0x41, 0x54, 0x0D}},
                    ValuesCase{"digits_6_bits", "09", TextEncoding::Ascii, 6, {0x30, 0x39}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    const char* text;
    TextEncoding encoding;
    int dataBits;
    const char* message;
};

class TextRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(TextRefusals, NameTheCharacterAndItsCode) {
    try {
        textValues(GetParam().text, GetParam().encoding, GetParam().dataBits);
        FAIL() << "accepted";
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, TextRefusals,
    testing::Values(
        RefusalCase{"utf8_beyond_7_bits", "café", TextEncoding::Utf8, 7,
                    "« é » (U+00E9) ne tient pas sur 7 bits de données"},
        RefusalCase{"latin1_beyond_7_bits", "été", TextEncoding::Latin1, 7,
                    "« é » (U+00E9) ne tient pas sur 7 bits de données"},
        RefusalCase{"letter_beyond_6_bits", "a", TextEncoding::Ascii, 6,
                    "« a » (U+0061) ne tient pas sur 6 bits de données"},
        RefusalCase{"not_ascii", "Noël", TextEncoding::Ascii, 8, "« ë » (U+00EB) n'existe pas en ASCII"},
        RefusalCase{"not_latin1", "5 €", TextEncoding::Latin1, 8,
                    "« € » (U+20AC) n'existe pas en ISO-8859-1"},
        RefusalCase{"control_named_by_code", "\x7f", TextEncoding::Utf8, 5,
                    "(U+007F) ne tient pas sur 5 bits de données"},
        RefusalCase{"empty", "", TextEncoding::Utf8, 8, "le texte est vide : il n'y a rien à envoyer"},
        RefusalCase{"latin1_byte_not_utf8", "caf\xe9", TextEncoding::Utf8, 8,
                    "le texte n'est pas en UTF-8 valide (octet 0xE9 à la position 4)"},
        RefusalCase{"overlong_slash", "\xc0\xaf", TextEncoding::Utf8, 8,
                    "le texte n'est pas en UTF-8 valide (octet 0xC0 à la position 1)"},
        RefusalCase{"surrogate", "\xed\xa0\x80", TextEncoding::Utf8, 8,
                    "le texte n'est pas en UTF-8 valide (octet 0xED à la position 1)"},
        RefusalCase{"cut_short", "a\xe2\x82", TextEncoding::Utf8, 8,
                    "le texte n'est pas en UTF-8 valide (octet 0xE2 à la position 2)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HexValues, ReadWordsSeparatedBySpaces) {
    EXPECT_EQ(hexValues("41 0D 0A", 8), (std::vector<std::uint16_t>{0x41, 0x0D, 0x0A}));
    EXPECT_EQ(hexValues(" 0x1ff,ff\t0 ", 9), (std::vector<std::uint16_t>{0x1FF, 0xFF, 0x00}));
}

TEST(HexValues, RefuseWhatIsNotAValueThatFits) {
    const auto message = [](const char* text, int dataBits) {
        try {
            hexValues(text, dataBits);
        } catch (const InputError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("41 4G", 8), "« 4G » n'est pas un nombre hexadécimal");
    EXPECT_EQ(message("-1", 8), "« -1 » n'est pas un nombre hexadécimal");
    EXPECT_EQ(message("41 100", 8), "la valeur « 100 » ne tient pas sur 8 bits de données");
    EXPECT_EQ(message("20", 5), "la valeur « 20 » ne tient pas sur 5 bits de données");
    EXPECT_EQ(message("FFFFFFFFFFFF", 9), "la valeur « FFFFFFFFFFFF » ne tient pas sur 9 bits de données");
    EXPECT_EQ(message("  ", 8), "aucune valeur hexadécimale : il n'y a rien à envoyer");
}

} // namespace
} // namespace quarnel::frame
