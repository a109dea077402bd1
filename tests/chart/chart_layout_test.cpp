#include "chart_layout.h"

#include <gtest/gtest.h>
#include <vector>

namespace quarnel {
namespace {

double sixPixelsPerCharacter(const std::u16string& text) {
    return 6.0 * text.size();
}

bool inside(const PixelRect& inner, const PixelRect& box) {
    return box.left >= inner.left && box.right() <= inner.right() && box.top >= inner.top &&
           box.bottom() <= inner.bottom();
}

// The chart at its real size with a text measure that is easy to reason about.
class Layout : public testing::Test {
protected:
    ChartLayout layOut(const std::vector<double>& ys, AxisRange bottom = {0, 600}) {
        ChartLayoutInput input;
        input.width = 657;
        input.height = 250;
        input.bottom = bottom;
        input.left = {-10, 10};
        input.yValues = ys;
        input.separators = {u",", u"."};
        input.textWidth = sixPixelsPerCharacter;
        input.lineHeight = 13;
        return layOutChart(input);
    }

    // The levels of a send trace, first points first.
    const std::vector<double> trace = {-5, -5, 5, 5, -5, -5, 5, 5, 5, 5,  5,  5,  5,
                                       5,  5,  5, 5, 5,  5,  5, 5, 5, -5, -5, -5, -5};
};

TEST_F(Layout, MarginsAreThreeAndFourPercentInWholePixels) {
    // 657 * 3 % = 19.71 -> 19; 250 * 4 % = 10.
    EXPECT_EQ(layOut({}).inner, (PixelRect{19, 10, 619, 230}));
}

TEST_F(Layout, LegendOnlyWithPointsAndThePlotNarrowsForIt) {
    const ChartLayout empty = layOut({});
    const ChartLayout withTrace = layOut(trace);
    EXPECT_FALSE(empty.legend);
    ASSERT_TRUE(withTrace.legend);
    EXPECT_LT(withTrace.plot.width, empty.plot.width);
    EXPECT_EQ(withTrace.plot.left, empty.plot.left);
    EXPECT_EQ(withTrace.plot.top, empty.plot.top);
    EXPECT_EQ(withTrace.plot.height, empty.plot.height);
    // The frame stands one pixel outside the plot; the legend is clear of it.
    EXPECT_LT(withTrace.plot.right() + 1, withTrace.legend->box.left);
}

TEST_F(Layout, LegendHangsTenPercentOfTheInnerHeightBelowTheTopMargin) {
    const LegendLayout legend = *layOut(trace).legend;
    // 10 + 230 * 10 % = 33; against the inner right edge (column 637).
    EXPECT_EQ(legend.box.top, 33);
    EXPECT_EQ(legend.box.right(), 637);
    EXPECT_LE(legend.box.bottom(), 239);
}

TEST_F(Layout, LegendListsAsManyPointsAsFitInListOrder) {
    // 240 - 33 = 207 rows of pixels, less 8 for frame and padding: 15 rows of 13.
    const LegendLayout legend = *layOut(trace).legend;
    ASSERT_EQ(legend.rows.size(), 15u);
    EXPECT_EQ(legend.rows[0], u"-5");
    EXPECT_EQ(legend.rows[2], u"5");
    EXPECT_EQ(legend.rows[14], u"5");

    const LegendLayout few = *layOut({1.5, -2.25, 1234}).legend;
    EXPECT_EQ(few.rows, (std::vector<std::u16string>{u"1.5", u"-2.25", u"1,234"}));
    EXPECT_LT(few.box.height, legend.box.height);
}

TEST_F(Layout, AxisLimitsStandOnThePlotEdges) {
    const ChartLayout layout = layOut(trace);
    ASSERT_FALSE(layout.bottomMarks.empty());
    ASSERT_FALSE(layout.leftMarks.empty());
    EXPECT_EQ(layout.bottomMarks.front().value, 0);
    EXPECT_EQ(layout.bottomMarks.front().pixel, layout.plot.left);
    EXPECT_EQ(layout.bottomMarks.back().value, 600);
    EXPECT_EQ(layout.bottomMarks.back().pixel, layout.plot.right());
    EXPECT_EQ(layout.leftMarks.front().value, -10);
    EXPECT_EQ(layout.leftMarks.front().pixel, layout.plot.bottom());
    EXPECT_EQ(layout.leftMarks.back().value, 10);
    EXPECT_EQ(layout.leftMarks.back().pixel, layout.plot.top);
}

TEST_F(Layout, TextsStayInsideTheMarginsAndOffThePlot) {
    for (const auto& ys : {std::vector<double>{}, trace}) {
        const ChartLayout layout = layOut(ys);
        const PixelRect& plot = layout.plot;
        for (const AxisMark& mark : layout.bottomMarks) {
            EXPECT_TRUE(inside(layout.inner, mark.textBox)) << mark.value;
            // Below the axis line and the ticks.
            EXPECT_GT(mark.textBox.top,
                      plot.bottom() + ChartMetrics::kAxisLineWidth + ChartMetrics::kTickLength);
        }
        for (const AxisMark& mark : layout.leftMarks) {
            EXPECT_TRUE(inside(layout.inner, mark.textBox)) << mark.value;
            EXPECT_LT(mark.textBox.right(),
                      plot.left - ChartMetrics::kAxisLineWidth - ChartMetrics::kTickLength);
            EXPECT_GT(mark.textBox.left, layout.leftTitle.right());
            EXPECT_GT(mark.textBox.top, layout.title.bottom());
        }
        EXPECT_LT(layout.bottomMarks.back().textBox.right(),
                  layout.legend ? layout.legend->box.left : layout.inner.right() + 1);
        EXPECT_TRUE(inside(layout.inner, layout.bottomTitle));
        EXPECT_GT(layout.bottomTitle.top, layout.bottomMarks.front().textBox.bottom());
    }
}

TEST_F(Layout, ZeroTimeRangeHasOneLabelAtThePlotMiddle) {
    const ChartLayout layout = layOut(trace, {0, 0});
    ASSERT_EQ(layout.bottomMarks.size(), 1u);
    EXPECT_EQ(layout.bottomMarks[0].text, u"0");
    // Centre of the middle: left + 0.5 + (width - 1) / 2, in the column below it.
    const double middle = layout.plot.left + 0.5 + (layout.plot.width - 1) / 2.0;
    EXPECT_EQ(layout.bottomMarks[0].pixel, static_cast<int>(middle));
    EXPECT_TRUE(layout.bottomMinorTicks.empty());
}

} // namespace
} // namespace quarnel
