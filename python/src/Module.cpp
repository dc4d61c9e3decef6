#include <optional>
#include <span>
#include <string>

#include "common/Error.h"
#include "fileout/FileSet.h"
#include "python/src/Bindings.h"

namespace py = pybind11;

namespace {

// The module's files go the tool's one way out: staged under a unique name, synced
// and renamed into place, so that a failure leaves an earlier file as it was.
void writeFile(const std::string& path, py::bytes data) {
    const std::string_view bytes = data;
    std::optional<tellvane::Error> failure;
    {
        py::gil_scoped_release unlocked;
        try {
            tellvane::fileout::writeFile(path, std::as_bytes(std::span(bytes.data(), bytes.size())));
        } catch (const tellvane::Error& e) {
            failure = e;
        }
    }
    // A file that cannot be written is the system's business, as open() says it.
    if (failure) {
        PyErr_SetString(PyExc_OSError, failure->description().c_str());
        throw py::error_already_set();
    }
}

}  // namespace

PYBIND11_MODULE(_tellvane, m) {
    m.doc() = "The compiled part of tellvane: the readers, the control and its outputs.";
    tellvane::python::bindErrors(m);
    tellvane::python::bindRecords(m);
    tellvane::python::bindYear(m);
    tellvane::python::bindRecord(m);
    m.def("write_file", &writeFile, py::arg("path"), py::arg("data"),
          "Writes data to path whole or not at all: a folder, FIFO or device there is refused.");
}
