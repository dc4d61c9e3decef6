#include <pybind11/stl.h>

#include <stdexcept>

#include "python/src/Bindings.h"
#include "python/src/CoreYear.h"

namespace py = pybind11;

namespace tellvane::python {
ChartSize chartSize(int width, int height) {
    if (width < 1 || height < 1 || width > kLargestChartSide || height > kLargestChartSide)
        throw std::invalid_argument("width and height must be from 1 to " + std::to_string(kLargestChartSide) +
                                    " pixels");
    return {width, height};
}

namespace {

py::tuple pngOf(const CoreYear& year, int width, int height) {
    const ChartSize size = chartSize(width, height);
    auto png = released([&] { return year.png(size); });
    // The one copy the binding makes: the file's bytes into the bytes object.
    py::bytes bytes(reinterpret_cast<const char*>(png.value.data()), png.value.size());
    return py::make_tuple(std::move(bytes), png.messages);
}

py::tuple pageOf(const CoreYear& year, bool svg) {
    auto page = released([&] { return year.page(svg); });
    return py::make_tuple(py::bytes(page.value), page.messages);
}

}  // namespace

void bindYear(py::module_& m) {
    py::class_<CoreYear>(m, "CoreYear", "A station-year (see tellvane.Year).")
        .def_property_readonly("station", &CoreYear::station)
        .def_property_readonly("year", &CoreYear::year)
        .def_property_readonly("kind", &CoreYear::kind)
        .def_property_readonly("mode", &CoreYear::mode)
        .def("stats_json",
             [](const CoreYear& y) {
                 auto json = released([&] { return y.statsJson(); });
                 return py::make_tuple(json.value, json.messages);
             })
        .def("png", &pngOf, py::arg("width"), py::arg("height"))
        .def("page", &pageOf, py::arg("svg"))
        .def(
            "trace",
            [](const CoreYear& y, int width, int height, bool plot) {
                const ChartSize size = chartSize(width, height);
                auto trace = released([&] { return y.trace(size, plot); });
                return py::make_tuple(trace.value, trace.messages);
            },
            py::arg("width"), py::arg("height"), py::arg("plot"));
}

}  // namespace tellvane::python
