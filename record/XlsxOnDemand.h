#pragma once
// libxlsxwriter loaded on demand (XlsxOnDemand.cpp), where the build does so.

namespace tellvane {

/// The library's file name as the dynamic loader is to find it.
inline constexpr const char* kXlsxLibrary = TELLVANE_XLSX_LIBRARY;

/// Loads the library now; fails with std::runtime_error naming the library where
/// it cannot be loaded (a workbook would fail alike).
void loadXlsxLibrary();

}  // namespace tellvane
