#include "frame_trace.h"
#include "point_list.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace quarnel {
namespace {

struct Point {
    double x;
    double y;
    friend bool operator==(const Point&, const Point&) = default;
};

void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

std::vector<Point> pointsOf(const PointList& list) {
    std::vector<Point> points;
    for (int i = 0; i < list.Count(); ++i)
        points.push_back({list.XValue(i), list.YValue(i)});
    return points;
}

struct InsertionCase {
    const char* name;
    std::vector<Point> appended;
    std::vector<int> indices; // what each AddXY returned
    std::vector<Point> order;
};

class Insertion : public testing::TestWithParam<InsertionCase> {};

TEST_P(Insertion, KeepsOrderOfXAndOfAppendingAmongEqualX) {
    PointList list;
    std::vector<int> indices;
    for (const Point& p : GetParam().appended)
        indices.push_back(list.AddXY(p.x, p.y));
    EXPECT_EQ(indices, GetParam().indices);
    EXPECT_EQ(pointsOf(list), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Cases, Insertion,
                         testing::Values(InsertionCase{"equal_x_in_order_of_appending",
                                                       {{0, -5}, {52, -5}, {52, 5}},
                                                       {0, 1, 2},
                                                       {{0, -5}, {52, -5}, {52, 5}}},
                                         InsertionCase{"equal_x_goes_after_every_point_with_that_x",
                                                       {{0, -5}, {52, -5}, {52, 5}, {52, 0}},
                                                       {0, 1, 2, 3},
                                                       {{0, -5}, {52, -5}, {52, 5}, {52, 0}}},
                                         InsertionCase{
                                             "smaller_x_goes_between",
                                             {{0, -5}, {52, -5}, {52, 5}, {52, 0}, {30, 1}},
                                             {0, 1, 2, 3, 1},
                                             {{0, -5}, {30, 1}, {52, -5}, {52, 5}, {52, 0}}},
                                         InsertionCase{"smallest_x_goes_first",
                                                       {{10, 1}, {20, 2}, {5, 3}},
                                                       {0, 1, 0},
                                                       {{5, 3}, {10, 1}, {20, 2}}},
                                         InsertionCase{"equal_to_an_inner_x_goes_after_it",
                                                       {{0, 1}, {10, 2}, {20, 3}, {10, 4}},
                                                       {0, 1, 2, 2},
                                                       {{0, 1}, {10, 2}, {10, 4}, {20, 3}}},
                                         InsertionCase{"negative_x",
                                                       {{0, 1}, {-1, 2}, {-1, 3}},
                                                       {0, 0, 1},
                                                       {{-1, 2}, {-1, 3}, {0, 1}}}),
                         [](const auto& info) { return std::string(info.param.name); });

class AfterClear : public testing::TestWithParam<double> {};

TEST_P(AfterClear, FirstPointStandsAtIndexZero) {
    PointList list;
    for (double x : {0.0, 52.0, 700.0})
        list.AddXY(x, -5);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddXY(GetParam(), 5), 0);
    EXPECT_EQ(list.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(XBelowWithinAndAboveFormerPoints, AfterClear,
                         testing::Values(-100.0, 52.0, 10000.0));

std::vector<Point> asPoints(const std::vector<TracePoint>& trace) {
    std::vector<Point> points;
    for (const TracePoint& p : trace)
        points.push_back({p.x, p.y});
    return points;
}

TEST(TwoTraces, SameSendTraceTwiceHoldsBothAtEveryX) {
    const auto trace = asPoints(*sendTrace(u"01100011"));
    PointList list;
    for (int pass = 0; pass < 2; ++pass)
        for (const Point& p : trace)
            list.AddXY(p.x, p.y);
    ASSERT_EQ(list.Count(), 52);
    // x = 0 holds one point per trace, then x = 52 the stop bit's end and the parity bit of
    // each trace: first trace (-5, +5), then second trace (-5, +5).
    const auto points = pointsOf(list);
    EXPECT_EQ(std::vector<Point>(points.begin(), points.begin() + 6),
              (std::vector<Point>{{0, -5}, {0, -5}, {52, -5}, {52, 5}, {52, -5}, {52, 5}}));
    EXPECT_EQ(points.back(), (Point{700, -5}));
    EXPECT_EQ(points[50], (Point{700, -5}));
}

TEST(TwoTraces, DifferentFramesMergeWithTheEarlierTraceFirstAtEachX) {
    // "a" then "c": their parity bits differ (-5 then +5), so the order at x = 52 shows which
    // trace each point came from.
    const auto first = asPoints(*sendTrace(u"01100001"));
    const auto second = asPoints(*sendTrace(u"01100011"));
    PointList list;
    for (const Point& p : first)
        list.AddXY(p.x, p.y);
    for (const Point& p : second)
        list.AddXY(p.x, p.y);

    // A stable merge by x of the two lists, the first one first, is the expected order.
    std::vector<Point> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Point& a, const Point& b) { return a.x < b.x; });
    EXPECT_EQ(pointsOf(list), expected);

    const auto points = pointsOf(list);
    EXPECT_EQ(std::vector<Point>(points.begin() + 2, points.begin() + 6),
              (std::vector<Point>{{52, -5}, {52, -5}, {52, -5}, {52, 5}}));
}

// A NaN x compares false with everything: it goes last, and past it the x values are no
// longer in order. The place of a later point is still found from the end, passing over the
// greater x values only, as if the list were walked.
TEST(UnorderedX, PlaceAfterANanXIsFoundFromTheEnd) {
    PointList list;
    for (double x : {60.0, 70.0, 80.0, 90.0})
        list.AddXY(x, -5);
    EXPECT_EQ(list.AddXY(std::nan(""), 5), 4);
    EXPECT_EQ(list.AddXY(100, -5), 5);
    EXPECT_EQ(list.AddXY(65, 5), 5);
    ASSERT_EQ(list.Count(), 7);
    EXPECT_TRUE(std::isnan(list.XValue(4)));
    EXPECT_EQ(list.XValue(5), 65);
    EXPECT_EQ(list.XValue(6), 100);
}

// A million points appended in order, as a long session of "Envoyer" does: each growth copies
// what is held, and all the copies together stay within a few times the points (amortised
// linear appends); the storage never holds more than twice the points.
TEST(Storage, AppendsInAmortisedLinearTimeWithinTwiceThePoints) {
    constexpr std::size_t kPoints = 1'000'000;
    PointList list;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        const std::size_t before = list.Capacity();
        list.AddXY(static_cast<double>(i), 0);
        if (list.Capacity() != before)
            copied += i; // the points held before this one moved to the new storage
        ASSERT_LE(list.Capacity(), 2 * (i + 1)) << "after " << i + 1 << " points";
    }
    EXPECT_LE(copied, 3 * kPoints);
}

TEST(Storage, ClearingKeepsTheStorageForTheNextTrace) {
    PointList list;
    for (int i = 0; i < 5000; ++i)
        list.AddXY(i, 0);
    const std::size_t held = list.Capacity();
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    for (int i = 0; i < 5000; ++i)
        list.AddXY(i, 0);
    EXPECT_EQ(list.Capacity(), held);
}

} // namespace
} // namespace quarnel
