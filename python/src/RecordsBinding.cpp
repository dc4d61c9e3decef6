#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <set>

#include "common/Text.h"
#include "python/src/Bindings.h"
#include "python/src/CoreYear.h"
#include "python/src/SeriesReadings.h"

namespace py = pybind11;

namespace tellvane::python {
namespace {

py::dict namesDict(const StationNames& names) {
    py::dict d;
    d["name"] = toUtf8(names.Kansokujo);
    d["water_system"] = toUtf8(names.Suikei);
    d["river"] = toUtf8(names.Kasen);
    return d;
}

StationNames namesOfDict(const py::dict& d) {
    const auto text = [&d](const char* key) {
        return d.contains(key) ? fromUtf8(py::cast<std::string>(d[key])) : std::u16string();
    };
    return {text("name"), text("water_system"), text("river")};
}

// Each station once, in the order the files gave them: its names, kinds and years.
py::list stationsOf(const CoreRecords& records) {
    const LoadedFiles& files = records.files();
    py::list out;
    for (const std::u16string& station : files.records.stations()) {
        py::list kinds;
        std::set<int> years;
        const Series* first = nullptr;
        for (const Series* series : files.records.ofStation(station)) {
            if (!first) first = series;
            const py::str kind(kindName(series->kind));
            if (!kinds.contains(kind)) kinds.append(kind);
            const auto own = series->years();
            years.insert(own.begin(), own.end());
        }
        py::dict entry;
        entry["station"] = toUtf8(station);
        SelectedYear any;  // the names do not depend on the year
        any.station = station;
        any.series = first;
        entry["names"] = namesDict(namesOf(any, files.catalogue));
        entry["kinds"] = kinds;
        entry["years"] = py::list(py::cast(std::vector<int>(years.begin(), years.end())));
        out.append(entry);
    }
    return out;
}

SeriesKind seriesKind(const std::string& kind) {
    if (kind == "level") return SeriesKind::Level;
    if (kind == "discharge") return SeriesKind::Discharge;
    throw std::invalid_argument("kind must be 'level' or 'discharge', not '" + kind + "'");
}

CoreRecords ofReadings(const py::array_t<std::int64_t, py::array::c_style | py::array::forcecast>& nanoseconds,
                       const py::array_t<double, py::array::c_style | py::array::forcecast>& values,
                       const std::string& station, const std::string& kind, const std::optional<py::dict>& names) {
    if (nanoseconds.ndim() != 1 || values.ndim() != 1 || nanoseconds.size() != values.size())
        throw std::invalid_argument("the times and the values must be one-dimensional and of one length");
    const SeriesKind seriesKindValue = seriesKind(kind);
    std::optional<StationNames> stationNames;
    if (names) stationNames = namesOfDict(*names);
    const std::int64_t* t = nanoseconds.data();
    const double* v = values.data();
    const auto count = static_cast<std::size_t>(values.size());
    return released([&] {
        auto files = std::make_shared<LoadedFiles>();
        files->records = recordsOfReadings(t, v, count, fromUtf8(station), seriesKindValue, stationNames);
        return CoreRecords(std::move(files));
    });
}

}  // namespace

void bindRecords(py::module_& m) {
    py::class_<CoreRecords>(m, "CoreRecords", "The files read (see tellvane.read).")
        .def_static(
            "read",
            [](const std::vector<std::string>& paths, const std::optional<std::string>& stations) {
                return released([&] { return CoreRecords::read(paths, stations); });
            },
            py::arg("paths"), py::arg("stations") = py::none())
        .def_static("of_readings", &ofReadings, py::arg("nanoseconds"), py::arg("values"), py::arg("station"),
                    py::arg("kind"), py::arg("names") = py::none(),
                    "Records of one series: times as nanoseconds of the station's clock, values with NaN for no "
                    "reading.")
        .def_property_readonly("stations", &stationsOf)
        .def_property_readonly("notes", [](const CoreRecords& r) { return r.files().records.notes(); })
        .def(
            "year",
            [](const CoreRecords& r, const std::optional<std::string>& station, std::optional<int> year,
               const std::optional<std::string>& kind) { return released([&] { return r.year(station, year, kind); }); },
            py::arg("station") = py::none(), py::arg("year") = py::none(), py::arg("kind") = py::none());
}

}  // namespace tellvane::python
