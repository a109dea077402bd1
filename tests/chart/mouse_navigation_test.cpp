#include "mouse_navigation.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

struct DragCase {
    const char* name;
    MousePosition start;
    MousePosition end;
    LeftDrag result;
};

class Drag : public testing::TestWithParam<DragCase> {};

TEST_P(Drag, NeedsMoreThanSixteenPixelsBothWays) {
    EXPECT_EQ(classifyLeftDrag(GetParam().start, GetParam().end), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Drag,
    testing::Values(
        DragCase{"down_right_zooms", {0, 0}, {17, 17}, LeftDrag::Zoom},
        DragCase{"up_right_zooms", {0, 100}, {40, 60}, LeftDrag::Zoom},
        DragCase{"sixteen_across_is_too_short", {0, 0}, {16, 40}, LeftDrag::Nothing},
        DragCase{"sixteen_down_is_too_short", {0, 0}, {40, 16}, LeftDrag::Nothing},
        DragCase{"up_left_undoes", {100, 100}, {83, 83}, LeftDrag::UndoZoom},
        DragCase{"down_left_undoes", {100, 100}, {50, 150}, LeftDrag::UndoZoom},
        DragCase{"straight_down_is_too_short_across", {100, 100}, {100, 150}, LeftDrag::Nothing}),
    [](const auto& info) { return std::string(info.param.name); });

// One value per pixel on the time axis (column c is c µs), ten rows per volt on the
// voltage axis (row 0 is 10 V, row 100 is 0 V, row 200 is -10 V).
const AxisMapping kTime{{0, 600}, 0.5, 600.5};
const AxisMapping kVolts{{-10, 10}, 200.5, 0.5};

TEST(Rectangle, CoversTheLimitsUnderItsCorners) {
    const AxesRanges expected{{100, 300}, {-5, 5}};
    EXPECT_EQ(rangesUnderRectangle({100, 50}, {300, 150}, kTime, kVolts), expected);
    // The corners in either order give the same rectangle.
    EXPECT_EQ(rangesUnderRectangle({300, 150}, {100, 50}, kTime, kVolts), expected);
}

TEST(Scroll, MovesTheRangeWithTheContent) {
    // Dragging 30 px right shows 30 µs earlier; 10 rows down shows 1 V higher.
    EXPECT_EQ(scrolledRange(kTime, 30), (AxisRange{-30, 570}));
    EXPECT_EQ(scrolledRange(kVolts, 10), (AxisRange{-9, 11}));
    EXPECT_EQ(scrolledRange(kTime, 0), kTime.range);
}

class History : public testing::Test {
protected:
    ChartAxis bottom{{0, 600}, true};
    ChartAxis left{{-10, 10}, false};
    ZoomHistory history;
};

TEST_F(History, UndoReturnsToTheSettingsBeforeTheFirstZoom) {
    history.zoom(bottom, left, {{100, 300}, {-5, 5}});
    EXPECT_FALSE(bottom.AutomaticMinimum());
    EXPECT_EQ(bottom.Range(), (AxisRange{100, 300}));
    history.zoom(bottom, left, {{150, 200}, {0, 5}});
    history.undo(bottom, left);
    EXPECT_EQ(bottom.Range(), (AxisRange{0, 600}));
    EXPECT_TRUE(bottom.AutomaticMinimum());
    EXPECT_EQ(left.Range(), (AxisRange{-10, 10}));
}

TEST_F(History, UndoWithoutZoomChangesNothing) {
    bottom.SetMaximum(300);
    history.undo(bottom, left);
    EXPECT_EQ(bottom.Range(), (AxisRange{0, 300}));
}

TEST_F(History, AZoomAfterAnUndoRemembersTheLimitsOfThatTime) {
    history.zoom(bottom, left, {{100, 300}, {-5, 5}});
    history.undo(bottom, left);
    bottom.SetMaximum(900);
    history.zoom(bottom, left, {{100, 300}, {-5, 5}});
    history.undo(bottom, left);
    EXPECT_EQ(bottom.Range(), (AxisRange{0, 900}));
}

} // namespace
} // namespace quarnel
