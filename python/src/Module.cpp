#include "python/src/Bindings.h"

PYBIND11_MODULE(_tellvane, m) {
    m.doc() = "The compiled part of tellvane: the readers, the control and its outputs.";
    tellvane::python::bindErrors(m);
    tellvane::python::bindRecords(m);
    tellvane::python::bindYear(m);
    tellvane::python::bindRecord(m);
}
