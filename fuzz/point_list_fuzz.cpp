// The series' point list under any sequence of appends and clears.
//
// Input: a sequence of steps. Each step is one byte: a multiple of 16 clears the list; an
// odd byte appends a point whose x and y are any doubles (16 more bytes); any other byte
// appends (byte / 16 * 52, ±5), so that many points share an x as in the traces.
#include "fuzz_support.h"
#include "point_list.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

using namespace quarnel;
using namespace quarnel::fuzz;

namespace {

struct Bits {
    std::uint64_t x;
    std::uint64_t y;
    friend bool operator==(const Bits&, const Bits&) = default;
};

Bits bitsOf(double x, double y) {
    return {std::bit_cast<std::uint64_t>(x), std::bit_cast<std::uint64_t>(y)};
}

std::vector<Bits> contents(const PointList& list) {
    std::vector<Bits> points;
    for (int i = 0; i < list.Count(); ++i)
        points.push_back(bitsOf(list.XValue(i), list.YValue(i)));
    return points;
}

// The point went in after every point whose x is not greater than its own, found from the
// end, and the others kept their order: the merge rule of two traces.
void checkAppend(const std::vector<Bits>& before, const PointList& list, int index, double x,
                 double y) {
    FUZZ_CHECK(list.Count() == static_cast<int>(before.size()) + 1);
    FUZZ_CHECK(index >= 0 && index < list.Count());
    FUZZ_CHECK(bitsOf(list.XValue(index), list.YValue(index)) == bitsOf(x, y));
    std::vector<Bits> others = contents(list);
    others.erase(others.begin() + index);
    FUZZ_CHECK(others == before);
    for (int j = index + 1; j < list.Count(); ++j)
        FUZZ_CHECK(list.XValue(j) > x);
    if (index > 0)
        FUZZ_CHECK(!(list.XValue(index - 1) > x));
}

// Storage grows as std::vector's does, so it never holds more than twice the most points the
// list has held (clearing keeps it for the next trace).
void checkStorage(const PointList& list, std::size_t mostHeld) {
    FUZZ_CHECK(list.Capacity() <= 2 * std::max<std::size_t>(mostHeld, 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    PointList list;
    bool unordered = false; // a NaN x compares with nothing, so order cannot hold past it
    std::size_t mostHeld = 0;
    while (!input.atEnd()) {
        const std::uint8_t step = input.byte();
        if (step % 16 == 0) {
            list.Clear();
            FUZZ_CHECK(list.Count() == 0);
            unordered = false;
        } else {
            double x = step / 16 * 52.0;
            double y = (step & 2) ? 5.0 : -5.0;
            if (step & 1) {
                x = input.anyDouble();
                y = input.anyDouble();
            }
            const std::vector<Bits> before = contents(list);
            const int index = list.AddXY(x, y);
            checkAppend(before, list, index, x, y);
            unordered = unordered || std::isnan(x);
        }
        mostHeld = std::max(mostHeld, static_cast<std::size_t>(list.Count()));
        checkStorage(list, mostHeld);
        if (!unordered)
            for (int i = 1; i < list.Count(); ++i)
                FUZZ_CHECK(list.XValue(i - 1) <= list.XValue(i));
    }
    return 0;
}
