#include <pybind11/stl.h>

#include "python/src/Bindings.h"
#include "python/src/CoreRecord.h"

namespace py = pybind11;

namespace tellvane::python {

void bindRecord(py::module_& m) {
    m.def(
        "record_json",
        [](const CoreRecords& records, const std::optional<std::string>& station,
           const std::optional<std::string>& kind, int allowedMissingDays) {
            return released([&] { return recordJsonOf(records, station, kind, allowedMissingDays); });
        },
        py::arg("records"), py::arg("station"), py::arg("kind"), py::arg("allowed_missing_days"),
        "The station-kind's record as the JSON line `tellvane record --format json` prints.");

    py::class_<CoreComparison>(m, "CoreComparison", "A year against its station's record (see tellvane.Comparison).")
        .def(py::init([](const CoreRecords& records, const std::optional<std::string>& station, int year,
                         const std::optional<std::string>& kind) {
                 return released([&] { return CoreComparison(records, station, year, kind); });
             }),
             py::arg("records"), py::arg("station"), py::arg("year"), py::arg("kind"))
        .def_property_readonly("station", &CoreComparison::station)
        .def_property_readonly("year", &CoreComparison::year)
        .def_property_readonly("kind", &CoreComparison::kind)
        .def(
            "png",
            [](const CoreComparison& c, int width, int height) {
                const ChartSize size = chartSize(width, height);
                auto png = released([&] { return c.png(size); });
                return py::bytes(reinterpret_cast<const char*>(png.data()), png.size());
            },
            py::arg("width"), py::arg("height"))
        .def(
            "page", [](const CoreComparison& c, bool svg) { return py::bytes(released([&] { return c.page(svg); })); },
            py::arg("svg"));
}

}  // namespace tellvane::python
