#include "chart_axis.h"
#include "zoom.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quarnel {
namespace {

const std::u16string kRefusal = u"Axis Maximum Value must be >= Minimum";

// The time axis as the chart starts: 0 to 600, minimum taken from the data.
class TimeAxis : public testing::Test {
protected:
    TimeAxis() {
        axis.SetChangedHandler([this] { ++changes; });
    }

    void expectRefused(double maximum) {
        const double before = axis.Maximum();
        const int changesBefore = changes;
        try {
            axis.SetMaximum(maximum);
            ADD_FAILURE() << "maximum " << maximum << " accepted";
        } catch (const AxisException& e) {
            EXPECT_EQ(e.message(), kRefusal);
        }
        EXPECT_EQ(axis.Maximum(), before);
        EXPECT_EQ(changes, changesBefore) << "a refused maximum must not redraw";
    }

    ChartAxis axis{{0, 600}, true};
    int changes = 0;
};

TEST_F(TimeAxis, ZoomInIsAcceptedSixTimesAndRefusedTheSeventh) {
    for (double expected : {500.0, 400.0, 300.0, 200.0, 100.0, 0.0}) {
        axis.SetMaximum(zoomedMaximum(axis.Maximum(), ZoomDirection::In));
        EXPECT_EQ(axis.Maximum(), expected);
    }
    EXPECT_EQ(changes, 6);
    expectRefused(zoomedMaximum(axis.Maximum(), ZoomDirection::In));
}

TEST_F(TimeAxis, MaximumEqualToMinimumIsAcceptedAndBelowIsRefused) {
    axis.SetMaximum(0);
    EXPECT_EQ(axis.Maximum(), 0);
    expectRefused(-100);
}

TEST_F(TimeAxis, NotANumberIsRefused) {
    expectRefused(NAN);
}

TEST_F(TimeAxis, SettingTheSameMaximumDoesNotRedraw) {
    axis.SetMaximum(600);
    EXPECT_EQ(changes, 0);
}

TEST_F(TimeAxis, CheckUsesTheMinimumOfTheLastLayout) {
    axis.AdoptDataMinimum(100);
    EXPECT_EQ(axis.Minimum(), 100);
    expectRefused(50);
    axis.SetMaximum(100);
    EXPECT_EQ(axis.Maximum(), 100);
}

TEST_F(TimeAxis, DataBeyondTheMaximumDoNotTurnTheAxisRound) {
    axis.AdoptDataMinimum(1000);
    EXPECT_EQ(axis.Minimum(), 600);
}

TEST_F(TimeAxis, FixedMinimumIgnoresTheData) {
    axis.SetFixedRange({50, 300});
    EXPECT_EQ(changes, 1);
    axis.AdoptDataMinimum(0);
    EXPECT_EQ(axis.Minimum(), 50);
    expectRefused(40);
}

TEST_F(TimeAxis, RestoreBringsBackTheAutomaticMinimum) {
    const ChartAxis::Settings start = axis.CurrentSettings();
    axis.SetFixedRange({50, 300});
    axis.Restore(start);
    EXPECT_TRUE(axis.AutomaticMinimum());
    EXPECT_EQ(axis.Range(), (AxisRange{0, 600}));
    axis.AdoptDataMinimum(-20);
    EXPECT_EQ(axis.Minimum(), -20);
}

} // namespace
} // namespace quarnel
