#include "chart_layout.h"

#include <algorithm>
#include <cmath>

namespace quarnel {

namespace {

using M = ChartMetrics;

int wholePixels(double extent) {
    return static_cast<int>(std::ceil(extent));
}

int pixelOf(const AxisMapping& mapping, double value) {
    return static_cast<int>(std::floor(mapping.toPixel(value)));
}

// The legend against the inner right edge, as many rows as fit below its top.
LegendLayout layOutLegend(const ChartLayoutInput& input, const PixelRect& inner) {
    constexpr int chrome = 2 * (1 + M::kLegendPadding); // frame and padding, both sides
    LegendLayout legend;
    legend.rowHeight = input.lineHeight;
    const int top = inner.top + inner.height * M::kLegendDropPercent / 100;
    const int room = inner.bottom() - top + 1 - chrome;
    const int fitting = legend.rowHeight > 0 ? std::max(room, 0) / legend.rowHeight : 0;
    const auto rows =
        std::min<std::size_t>(input.yValues.size(), static_cast<std::size_t>(fitting));

    int textWidth = 0;
    for (std::size_t i = 0; i < rows; ++i) {
        legend.rows.push_back(formatNumber(input.yValues[i], input.separators));
        textWidth = std::max(textWidth, wholePixels(input.textWidth(legend.rows.back())));
    }
    const int width = chrome + M::kLegendSymbolLength + M::kLegendSymbolGap + textWidth;
    const int height = chrome + static_cast<int>(rows) * legend.rowHeight;
    legend.box = {inner.right() - width + 1, top, width, height};
    legend.firstRowTop = top + 1 + M::kLegendPadding;
    legend.symbolLeft = legend.box.left + 1 + M::kLegendPadding;
    legend.textLeft = legend.symbolLeft + M::kLegendSymbolLength + M::kLegendSymbolGap;
    return legend;
}

} // namespace

ChartLayout layOutChart(const ChartLayoutInput& input) {
    ChartLayout layout;
    const int lineHeight = input.lineHeight;
    layout.panel = {0, 0, input.width, input.height};
    const int marginX = input.width * M::kHorizontalMarginPercent / 100;
    const int marginY = input.height * M::kVerticalMarginPercent / 100;
    layout.inner = {marginX, marginY, input.width - 2 * marginX, input.height - 2 * marginY};
    const PixelRect& inner = layout.inner;
    layout.title = {inner.left, inner.top, inner.width, lineHeight};

    // From the bottom up: axis title, labels, ticks, axis line, then the plot.
    const int bottomTitleTop = inner.bottom() - lineHeight + 1;
    const int bottomLabelTop = bottomTitleTop - M::kTitleGap - lineHeight;
    const int plotBottom = bottomLabelTop - M::kLabelGap - M::kTickLength - M::kAxisLineWidth - 1;
    // Room above the plot for the upper half of its top label.
    const int plotTop = layout.title.bottom() + 1 + M::kTitleGap + lineHeight / 2;
    const int plotHeight = std::max(plotBottom - plotTop + 1, 1);

    layout.leftMapping = {input.left, plotTop + plotHeight - 0.5, plotTop + 0.5};
    const TextMeasure lineHeightOf = [lineHeight](const std::u16string&) { return lineHeight; };
    layout.leftLabels = labelAxis(input.left, plotHeight, static_cast<int>(input.yValues.size()),
                                  input.separators, lineHeightOf);
    int leftLabelWidth = 0;
    for (double value : layout.leftLabels.values) {
        auto text = formatNumber(value, input.separators);
        const int width = wholePixels(input.textWidth(text));
        leftLabelWidth = std::max(leftLabelWidth, width);
        layout.leftMarks.push_back(
            {value, pixelOf(layout.leftMapping, value), std::move(text), {}});
    }

    // From the left: axis title (turned), labels, ticks, axis line, then the plot.
    const int plotLeft = inner.left + lineHeight + M::kTitleGap + leftLabelWidth + M::kLabelGap +
                         M::kTickLength + M::kAxisLineWidth;
    // The label at the maximum is centred on the plot's right edge; keep its right half inside.
    const int halfLastLabel =
        wholePixels(input.textWidth(formatNumber(input.bottom.maximum, input.separators)) / 2);
    int plotRight = inner.right() - halfLastLabel;
    if (!input.yValues.empty()) {
        layout.legend = layOutLegend(input, inner);
        plotRight = layout.legend->box.left - M::kLegendGap - halfLastLabel;
    }
    const int plotWidth = std::max(plotRight - plotLeft + 1, 1);
    layout.plot = {plotLeft, plotTop, plotWidth, plotHeight};

    layout.bottomMapping = {input.bottom, plotLeft + 0.5, plotLeft + plotWidth - 0.5};
    layout.bottomLabels = labelAxis(input.bottom, plotWidth, static_cast<int>(input.yValues.size()),
                                    input.separators, input.textWidth);
    for (double value : layout.bottomLabels.values) {
        auto text = formatNumber(value, input.separators);
        const int width = wholePixels(input.textWidth(text));
        const int pixel = pixelOf(layout.bottomMapping, value);
        const int left = static_cast<int>(std::lround(pixel + 0.5 - width / 2.0));
        layout.bottomMarks.push_back(
            {value, pixel, std::move(text), {left, bottomLabelTop, width, lineHeight}});
    }
    const int leftLabelRight = plotLeft - M::kAxisLineWidth - M::kTickLength - M::kLabelGap - 1;
    for (AxisMark& mark : layout.leftMarks) {
        const int width = wholePixels(input.textWidth(mark.text));
        const int top = static_cast<int>(std::lround(mark.pixel + 0.5 - lineHeight / 2.0));
        mark.textBox = {leftLabelRight - width + 1, top, width, lineHeight};
    }
    for (double value : layout.bottomLabels.minorTicks)
        layout.bottomMinorTicks.push_back(pixelOf(layout.bottomMapping, value));
    for (double value : layout.leftLabels.minorTicks)
        layout.leftMinorTicks.push_back(pixelOf(layout.leftMapping, value));

    layout.bottomTitle = {plotLeft, bottomTitleTop, plotWidth, lineHeight};
    layout.leftTitle = {inner.left, plotTop, lineHeight, plotHeight};
    return layout;
}

} // namespace quarnel
