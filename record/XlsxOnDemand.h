#pragma once
// libxlsxwriter opened on demand (XlsxOnDemand.cpp), where the build does so.

namespace tellvane {

/// The library's file name as the dynamic loader is to find it.
inline constexpr const char* kXlsxLibrary = TELLVANE_XLSX_LIBRARY;

}  // namespace tellvane
