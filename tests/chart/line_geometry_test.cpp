#include "frame_trace.h"
#include "line_geometry.h"

#include <gtest/gtest.h>

namespace quarnel {
namespace {

// x of the send trace: 0 52 52 104 104 154 156 206 208 258 260 310 312 362 364 414 416 466
// 468 518 520 572 572 624 624 700 (indices 0 to 25).
std::vector<double> sendTraceXs() {
    std::vector<double> xs;
    const auto trace = sendTrace(u"01100011");
    for (const TracePoint& p : *trace)
        xs.push_back(p.x);
    return xs;
}

struct PartCase {
    const char* name;
    AxisRange bottom;
    DrawnPart part;
};

class Part : public testing::TestWithParam<PartCase> {};

TEST_P(Part, RunsFromThePointBeforeTheMinimumToThePointAtTheMaximum) {
    EXPECT_EQ(drawnPart(sendTraceXs(), GetParam().bottom), GetParam().part);
}

INSTANTIATE_TEST_SUITE_P(SendTrace, Part,
                         testing::Values(
                             // First x >= 600 is 624, index 23.
                             PartCase{"start_up_limits", {0, 600}, {0, 23}},
                             // First x >= 300 is 310, index 11: data bit 3 is drawn up to the cut.
                             PartCase{"maximum_300", {0, 300}, {0, 11}},
                             PartCase{"maximum_on_a_point_stops_there", {0, 520}, {0, 20}},
                             PartCase{"maximum_beyond_the_last_point", {0, 800}, {0, 25}},
                             // First x >= 100 is 104, index 3; the part starts one before it.
                             PartCase{"minimum_inside", {100, 300}, {2, 11}},
                             PartCase{"zero_range_draws_every_point", {0, 0}, {0, 25}},
                             PartCase{"all_points_before_the_minimum", {1000, 2000}, {25, 25}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Part, OfAnEmptySeriesDrawsNothing) {
    EXPECT_TRUE(drawnPart({}, {0, 600}).drawsNothing());
}

struct ClipCase {
    const char* name;
    std::vector<PixelPoint> line;
    std::vector<std::vector<PixelPoint>> pieces;
};

class Clip : public testing::TestWithParam<ClipCase> {};

const ClipBox kBox{0, 0, 10, 10};

TEST_P(Clip, KeepsWhatLiesInsideTheBox) {
    const auto pieces = clipPolyline(GetParam().line, kBox);
    ASSERT_EQ(pieces.size(), GetParam().pieces.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_EQ(pieces[i].size(), GetParam().pieces[i].size()) << "piece " << i;
        for (std::size_t j = 0; j < pieces[i].size(); ++j) {
            // Cut points far from the box carry the rounding of a long segment.
            EXPECT_NEAR(pieces[i][j].x, GetParam().pieces[i][j].x, 1e-3) << i << "," << j;
            EXPECT_NEAR(pieces[i][j].y, GetParam().pieces[i][j].y, 1e-3) << i << "," << j;
        }
    }
}

using Line = std::vector<PixelPoint>;
using Pieces = std::vector<Line>;

INSTANTIATE_TEST_SUITE_P(
    Cases, Clip,
    testing::Values(
        ClipCase{"inside_unchanged", Line{{1, 1}, {5, 1}, {5, 9}},
                 Pieces{{{1, 1}, {5, 1}, {5, 9}}}},
        ClipCase{"cut_at_the_right_edge", Line{{2, 5}, {20, 5}, {20, 8}},
                 Pieces{{{2, 5}, {10, 5}}}},
        ClipCase{"slope_cut_where_it_crosses", Line{{5, 5}, {15, 10}}, Pieces{{{5, 5}, {10, 7.5}}}},
        ClipCase{"leaves_and_comes_back_in_two_pieces", Line{{2, 2}, {2, 20}, {4, 20}, {4, 2}},
                 Pieces{{{2, 2}, {2, 10}}, {{4, 10}, {4, 2}}}},
        ClipCase{"crossing_right_through", Line{{-10, 5}, {20, 5}}, Pieces{{{0, 5}, {10, 5}}}},
        ClipCase{"all_outside", Line{{11, 0}, {20, 10}}, Pieces{}},
        ClipCase{"repeated_point_kept", Line{{1, 1}, {1, 1}, {3, 1}},
                 Pieces{{{1, 1}, {1, 1}, {3, 1}}}},
        ClipCase{"far_away_points_come_back_to_the_edges", Line{{-1e12, 5}, {1e12, 5}},
                 Pieces{{{0, 5}, {10, 5}}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quarnel
