#include "axis_labels.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quarnel {
namespace {

const NumberSeparators kSeparators{u",", u"."};

// Every character 6 pixels wide, so extents are easy to work out by hand.
double sixPixelsPerCharacter(const std::u16string& text) {
    return 6.0 * text.size();
}

struct MiddleCase {
    const char* name;
    AxisRange range;
    double middle;
};

class MiddleSample : public testing::TestWithParam<MiddleCase> {};

TEST_P(MiddleSample, HalvesWholeMidpointsOtherThanZero) {
    EXPECT_EQ(middleSampleValue(GetParam().range), GetParam().middle);
}

INSTANTIATE_TEST_SUITE_P(Cases, MiddleSample,
                         testing::Values(MiddleCase{"time_axis_at_start", {0, 600}, 37.5},
                                         MiddleCase{"voltage_axis", {-10, 10}, 0},
                                         MiddleCase{"fractional_midpoint_kept", {0, 3}, 1.5},
                                         MiddleCase{"one_halves_once", {0, 2}, 0.5},
                                         MiddleCase{"zero_range", {4, 4}, 0.5},
                                         MiddleCase{"negative", {-1000, -400}, -87.5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StepCase {
    const char* name;
    double span;
    int count;
    int points;
    double step;
};

class Step : public testing::TestWithParam<StepCase> {};

TEST_P(Step, IsTheFirstOneTwoFiveValueThatFits) {
    EXPECT_DOUBLE_EQ(labelStep(GetParam().span, GetParam().count, GetParam().points),
                     GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Step,
    testing::Values(
        // 600 / 25 = 24 -> 50, and 600 / 50 = 12 labels fit in 24.
        StepCase{"time_axis_with_trace", 600, 24, 26, 50},
        // 600 / 13 = 46.2 -> 50, 12 labels: just fits.
        StepCase{"exactly_as_many_labels_as_fit", 600, 12, 26, 50},
        // 600 / 12 = 50 is on the sequence; the next value is strictly larger.
        StepCase{"start_on_the_sequence_moves_on", 600, 11, 26, 100},
        // 20 / 14 = 1.43 -> 2, 10 labels.
        StepCase{"voltage_axis", 20, 13, 26, 2},
        // 9.6 / 10 = 0.96 -> 1 gives 10 labels, one too many -> 2.
        StepCase{"two_moves_along_the_sequence", 9.6, 9, 26, 2},
        // Few points: 2 / 16 = 0.125 is raised to 1, which already fits.
        StepCase{"few_points_keep_the_step_at_least_one", 2, 15, 5, 1},
        StepCase{"many_points_allow_steps_below_one", 2, 15, 26, 0.2},
        StepCase{"range_below_one_point_one_allows_small_steps", 1, 15, 0, 0.1},
        StepCase{"tiny_range", 0.001, 15, 0, 0.0001}, StepCase{"huge_range", 1e9, 6, 0, 2e8},
        // No label fits: 600 -> 1000, which exceeds the range and ends the search.
        StepCase{"step_beyond_the_range_stops", 600, 0, 0, 1000},
        StepCase{"zero_range", 0, 5, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct LabelsCase {
    const char* name;
    AxisRange range;
    double axisLength;
    int points;
    double step;
    double first;
    double last;
    std::size_t count;
};

class Labels : public testing::TestWithParam<LabelsCase> {};

TEST_P(Labels, StandAtEveryMultipleOfTheStepWithinTheRange) {
    const LabelsCase& c = GetParam();
    const AxisLabels labels =
        labelAxis(c.range, c.axisLength, c.points, kSeparators, sixPixelsPerCharacter);
    EXPECT_DOUBLE_EQ(labels.step, c.step);
    ASSERT_EQ(labels.values.size(), c.count);
    EXPECT_NEAR(labels.values.front(), c.first, 1e-12 * std::abs(c.step));
    EXPECT_NEAR(labels.values.back(), c.last, 1e-12 * std::abs(c.step));
    for (std::size_t i = 1; i < labels.values.size(); ++i)
        EXPECT_NEAR(labels.values[i] - labels.values[i - 1], c.step, 1e-9 * c.step);
    // Three minor ticks between each pair of labels, a quarter step apart.
    ASSERT_EQ(labels.minorTicks.size(), 3 * (c.count - 1));
    if (c.count > 1) {
        EXPECT_NEAR(labels.minorTicks.front(), c.first + c.step / 4, 1e-9 * c.step);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Labels,
    testing::Values(
        // "0", "600", "37.5": widest 24 px + 2 = 26; 500 / 26 -> 19 labels; 600 / 20 = 30 -> 50.
        LabelsCase{"time_axis", {0, 600}, 500, 26, 50, 0, 600, 13},
        // "0", "0.001", "0.001" (0.0005 rounded): 30 + 3 = 33; 500 / 33 -> 15;
        // 0.001 / 16 -> 0.0001.
        LabelsCase{"tiny_range", {0, 0.001}, 500, 0, 0.0001, 0, 0.001, 11},
        // "1,000,000,000" is 78 px + 8 = 86; 500 / 86 -> 6; 1e9 / 7 -> 2e8.
        LabelsCase{"huge_range", {0, 1e9}, 500, 0, 2e8, 0, 1e9, 6},
        // "-1,000" 36 px + 4 = 40; 320 / 40 = 8; 600 / 9 = 66.7 -> 100.
        LabelsCase{"negative_range", {-1000, -400}, 320, 0, 100, -1000, -400, 7},
        // Middle sample "-0.125" 36 px + 4 = 40; 200 / 40 = 5; 0.75 / 6 = 0.125 -> 0.2;
        // labels -0.4 to 0.2.
        LabelsCase{"limits_between_multiples", {-0.5, 0.25}, 200, 0, 0.2, -0.4, 0.2, 4},
        // "0.1", "0.3", "0.2": 18 + 2 = 20; 100 / 20 = 5; 0.2 / 6 -> 0.05; 0.3 / 0.05 is
        // 5.999999999999999 in doubles, and 0.3 still has its label.
        LabelsCase{"limit_on_a_multiple_despite_rounding", {0.1, 0.3}, 100, 0, 0.05, 0.1, 0.3, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelsOfZeroRange, OneLabelAtTheOnlyValue) {
    const AxisLabels labels = labelAxis({0, 0}, 500, 26, kSeparators, sixPixelsPerCharacter);
    EXPECT_EQ(labels.values, std::vector<double>{0});
    EXPECT_TRUE(labels.minorTicks.empty());
    EXPECT_EQ(labels.step, 1);
}

TEST(LabelsOfNonFiniteRange, None) {
    const double inf = INFINITY;
    EXPECT_TRUE(labelAxis({0, inf}, 500, 0, kSeparators, sixPixelsPerCharacter).values.empty());
}

TEST(LabelsOfReversedRange, None) {
    EXPECT_TRUE(labelAxis({600, 0}, 500, 0, kSeparators, sixPixelsPerCharacter).values.empty());
}

struct ExtremeCase {
    const char* name;
    AxisRange range;
    double axisLength;
};

class ExtremeRange : public testing::TestWithParam<ExtremeCase> {};

// Whatever the limits, labels are real numbers on the axis, in order, one for each value.
TEST_P(ExtremeRange, LabelsStayFiniteOrderedAndOnTheAxis) {
    const AxisRange range = GetParam().range;
    const AxisLabels labels =
        labelAxis(range, GetParam().axisLength, 0, kSeparators, sixPixelsPerCharacter);
    EXPECT_TRUE(std::isfinite(labels.step) && labels.step > 0) << labels.step;
    ASSERT_FALSE(labels.values.empty());
    for (std::size_t i = 0; i < labels.values.size(); ++i) {
        EXPECT_TRUE(std::isfinite(labels.values[i]));
        EXPECT_GE(labels.values[i], range.minimum);
        EXPECT_LE(labels.values[i], range.maximum);
        if (i > 0) {
            EXPECT_LT(labels.values[i - 1], labels.values[i]);
        }
    }
    for (double tick : labels.minorTicks)
        EXPECT_TRUE(std::isfinite(tick));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtremeRange,
    testing::Values(
        // The start step underflows to zero.
        ExtremeCase{"narrower_than_any_normal_double", {0, 5e-324}, 1e6},
        // The span overflows to infinity.
        ExtremeCase{"widest_doubles", {-1.7e308, 1.7e308}, 500},
        // The multiples of the step lie closer together than the doubles there.
        ExtremeCase{
            "step_finer_than_the_doubles", {4.0348802750121446e175, 4.034880275012215e175}, 1e9},
        ExtremeCase{"axis_longer_than_any_count", {0, 600}, 1e300}),
    [](const auto& info) { return std::string(info.param.name); });

struct CountCase {
    const char* name;
    double length;
    double extent;
    int count;
};

class Count : public testing::TestWithParam<CountCase> {};

TEST_P(Count, IsLengthOverExtentRounded) {
    EXPECT_EQ(labelCount(GetParam().length, GetParam().extent), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Cases, Count,
                         testing::Values(CountCase{"rounds_down", 537, 23, 23},
                                         CountCase{"rounds_up", 180, 14, 13},
                                         CountCase{"zero_extent", 500, 0, 1},
                                         CountCase{"zero_length", 0, 23, 1},
                                         CountCase{"shorter_than_half_a_label", 10, 23, 0},
                                         CountCase{"extent_not_a_number", 500, NAN, 1},
                                         CountCase{"length_beyond_any_count", 1e300, 6, 10000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Extent, WidestSampleLabelPlusTenPercentRounded) {
    // "-10" 18 px, "10" 12, "0" 6: 18 + round(1.8) = 20.
    EXPECT_EQ(labelExtent({-10, 10}, kSeparators, sixPixelsPerCharacter), 20);
    // The middle sample can be the widest: "0", "100", "12.5" -> 24 + round(2.4).
    EXPECT_EQ(labelExtent({0, 100}, kSeparators, sixPixelsPerCharacter), 26);
}

} // namespace
} // namespace quarnel
