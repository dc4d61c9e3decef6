#pragma once
// The size of a chart drawn in memory.

namespace tellvane {

/// The largest side of a chart, in pixels: a picture of 8192 x 8192 takes 256 MB.
inline constexpr int kLargestChartSide = 8192;

/// The chart's size in pixels.
struct ChartSize {
    int width = 1024;
    int height = 768;
};

}  // namespace tellvane
