#pragma once
// Twips (1/1440 inch) against pixels at a logical resolution.

namespace tellvane {

/// Twips per pixel at a resolution in dots per inch: 15 at 96 DPI.
constexpr double twipsPerPixel(double dpi) { return 1440.0 / dpi; }

}  // namespace tellvane
