#pragma once

#include "axis_labels.h"
#include "axis_mapping.h"
#include "number_format.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quarnel {

// A rectangle of whole pixels: columns left .. right(), rows top .. bottom(), both included.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width - 1; }
    int bottom() const { return top + height - 1; }
    bool contains(int x, int y) const {
        return x >= left && x <= right() && y >= top && y <= bottom();
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Fixed sizes of the chart's furniture, in pixels.
struct ChartMetrics {
    // Shares in percent, whole pixels with the fractions dropped.
    static constexpr int kHorizontalMarginPercent = 3; // of the width, left and right
    static constexpr int kVerticalMarginPercent = 4;   // of the height, top and bottom
    static constexpr int kLegendDropPercent = 10;      // of the inner height, below the top margin
    static constexpr int kAxisLineWidth = 2;
    static constexpr int kTickLength = 4;
    static constexpr int kMinorTickLength = 2;
    static constexpr int kMinorTicksPerStep = 3;
    static constexpr int kLabelGap = 2;  // between a tick's end and its label
    static constexpr int kTitleGap = 2;  // between the labels and the axis title
    static constexpr int kLegendGap = 8; // least room between the plot frame and the legend
    static constexpr int kLegendPadding = 3;
    static constexpr int kLegendSymbolLength = 12;
    static constexpr int kLegendSymbolGap = 4;
};

// One labelled value of an axis: its tick and grid line stand on `pixel` (a column of the
// bottom axis, a row of the left one); its text fills `textBox`.
struct AxisMark {
    double value;
    int pixel;
    std::u16string text;
    PixelRect textBox;
};

struct LegendLayout {
    PixelRect box; // including its one-pixel frame
    int rowHeight = 0;
    // Row i: its symbol runs along the middle of row i from symbolLeft for kLegendSymbolLength
    // pixels; its text stands in a box from textLeft.
    int firstRowTop = 0;
    int symbolLeft = 0;
    int textLeft = 0;
    std::vector<std::u16string> rows; // the y values shown, first point at the top
};

struct ChartLayoutInput {
    int width = 0;
    int height = 0;
    AxisRange bottom;
    AxisRange left;
    std::span<const double> yValues; // the series' points, in order; the legend lists them
    NumberSeparators separators;
    TextMeasure textWidth; // in the chart's font
    int lineHeight = 0;    // of the chart's font
};

// Where everything goes. The plot area is the data area itself: its frame and axis lines lie
// on the pixels just outside it, so that they never hide a point of the line.
struct ChartLayout {
    PixelRect panel;
    PixelRect inner; // inside the margins
    PixelRect title;
    PixelRect plot;
    PixelRect bottomTitle;
    PixelRect leftTitle; // the box of the upright text; it is drawn turned a quarter left
    AxisMapping bottomMapping;
    AxisMapping leftMapping;
    AxisLabels bottomLabels;
    AxisLabels leftLabels;
    std::vector<AxisMark> bottomMarks;
    std::vector<AxisMark> leftMarks;
    std::vector<int> bottomMinorTicks; // columns
    std::vector<int> leftMinorTicks;   // rows
    std::optional<LegendLayout> legend;
};

ChartLayout layOutChart(const ChartLayoutInput& input);

} // namespace quarnel
