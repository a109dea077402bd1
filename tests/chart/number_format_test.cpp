#include "number_format.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

const NumberSeparators kFrench{u"\u00a0", u","};
const NumberSeparators kEnglish{u",", u"."};

struct FormatCase {
    const char* name;
    double value;
    NumberSeparators separators;
    std::u16string expected;
};

class Format : public testing::TestWithParam<FormatCase> {};

TEST_P(Format, WritesHashCommaHashHashZeroPointHashHashHash) {
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().separators), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Format,
    testing::Values(
        FormatCase{"minus_five", -5, kFrench, u"-5"},
        FormatCase{"six_hundred", 600, kFrench, u"600"}, FormatCase{"zero", 0, kFrench, u"0"},
        FormatCase{"grouped_with_decimal", 1234.5, kFrench, u"1\u00a0234,5"},
        FormatCase{"english_separators", 1234.5, kEnglish, u"1,234.5"},
        FormatCase{"millions_grouped_by_three", 1000000, kFrench, u"1\u00a0000\u00a0000"},
        FormatCase{"negative_grouped_three_decimals", -1234567.891, kFrench,
                   u"-1\u00a0234\u00a0567,891"},
        FormatCase{"fourth_decimal_rounds", 0.1236, kFrench, u"0,124"},
        FormatCase{"trailing_zeros_dropped", 37.5, kEnglish, u"37.5"},
        FormatCase{"rounding_carries_into_a_new_group", 999.9996, kFrench, u"1\u00a0000"},
        FormatCase{"too_small_to_show_is_zero", 0.0004, kFrench, u"0"},
        FormatCase{"negative_too_small_has_no_sign", -0.0004, kFrench, u"0"},
        FormatCase{"integer_digit_before_decimals", -0.25, kFrench, u"-0,25"},
        FormatCase{
            "separators_of_several_characters", 12345.678, {u"''", u"<.>"}, u"12''345<.>678"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quarnel
