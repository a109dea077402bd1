// The point list at scale: a million points appended in order of x, as a long recording
// would, and traces merged without a clear, as "Envoyer" does while no letter is chosen.
// Each against the same work done by plain vectors, in the same run.
#include "frame_trace.h"
#include "point_list.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kInOrderPoints = 1'000'000;

// A square wave of RS-232 levels, one point per microsecond.
double levelAt(int i) {
    return (i / 52) % 2 ? quarnel::kSpaceVolts : quarnel::kMarkVolts;
}

void BM_PointListAppendInOrder(benchmark::State& state) {
    for (auto _ : state) {
        quarnel::PointList points;
        for (int i = 0; i < kInOrderPoints; ++i)
            points.AddXY(i, levelAt(i));
        benchmark::DoNotOptimize(points.XValues().data());
    }
    state.SetItemsProcessed(state.iterations() * kInOrderPoints);
}

// Yardstick: the same points pushed onto two vectors.
void BM_VectorsAppendInOrder(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> xs;
        std::vector<double> ys;
        for (int i = 0; i < kInOrderPoints; ++i) {
            xs.push_back(i);
            ys.push_back(levelAt(i));
        }
        benchmark::DoNotOptimize(xs.data());
        benchmark::DoNotOptimize(ys.data());
    }
    state.SetItemsProcessed(state.iterations() * kInOrderPoints);
}

const std::vector<quarnel::TracePoint>& letterCTrace() {
    static const std::vector<quarnel::TracePoint> trace = *quarnel::sendTrace(u"01100011");
    return trace;
}

// state.range(0) send traces of "c" appended one after another to one list: every point
// after the first trace lands at an x that the list holds already.
void BM_PointListMergeTraces(benchmark::State& state) {
    const auto& trace = letterCTrace();
    for (auto _ : state) {
        quarnel::PointList points;
        for (int t = 0; t < state.range(0); ++t)
            for (const quarnel::TracePoint& point : trace)
                points.AddXY(point.x, point.y);
        benchmark::DoNotOptimize(points.XValues().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) *
                            static_cast<int64_t>(trace.size()));
}

// Yardstick: the textbook sorted insert, a binary search for the place after equal x and an
// insert into each of two vectors.
void BM_SortedVectorsMergeTraces(benchmark::State& state) {
    const auto& trace = letterCTrace();
    for (auto _ : state) {
        std::vector<double> xs;
        std::vector<double> ys;
        for (int t = 0; t < state.range(0); ++t)
            for (const quarnel::TracePoint& point : trace) {
                const auto at = std::upper_bound(xs.begin(), xs.end(), point.x) - xs.begin();
                xs.insert(xs.begin() + at, point.x);
                ys.insert(ys.begin() + at, point.y);
            }
        benchmark::DoNotOptimize(xs.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) *
                            static_cast<int64_t>(trace.size()));
}

BENCHMARK(BM_PointListAppendInOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorsAppendInOrder)->Unit(benchmark::kMillisecond);
// 250 and 1,000 traces: four times the points held, so a cost per point that is linear in
// them takes four times as long.
BENCHMARK(BM_PointListMergeTraces)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedVectorsMergeTraces)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
