#pragma once
// The numbers with which the raster output fails, the same as the Qt realisation's
// for the same faults, since hosts see them through its surface.

namespace tellvane::raster {

constexpr int kOutOfMemory = 7;
constexpr int kFileAccess = 75;

}  // namespace tellvane::raster
