#pragma once
// The parts of the extension module _tellvane, each adding its names to the module.

#include <pybind11/pybind11.h>

#include "yearhost/ChartSize.h"

namespace tellvane::python {

/// InputError, SelectionError and ControlError, and the translation of every C++
/// exception into one of them or a built-in Python exception.
void bindErrors(pybind11::module_& m);
/// Records: read, the stations, the choice of a year, records from arrays.
void bindRecords(pybind11::module_& m);
/// Year: the numbers, the chart, the page and the trace.
void bindYear(pybind11::module_& m);
/// A station's record and the comparison chart of a year against it.
void bindRecord(pybind11::module_& m);

/// The chart's size in pixels; fails with ValueError outside 1 to kLargestChartSide.
ChartSize chartSize(int width, int height);

/// Runs body with the interpreter's lock released: the core never touches Python.
template <typename Body>
auto released(Body&& body) {
    pybind11::gil_scoped_release release;
    return body();
}

}  // namespace tellvane::python
