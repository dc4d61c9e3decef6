#include <exception>
#include <string>

#include "common/Error.h"
#include "python/src/Bindings.h"
#include "records/InputError.h"
#include "records/YearSelection.h"

namespace py = pybind11;

namespace tellvane::python {
namespace {

// The exception types, made once when the module loads and kept for its life.
PyObject* inputErrorType = nullptr;
PyObject* selectionErrorType = nullptr;
PyObject* controlErrorType = nullptr;

PyObject* newType(py::module_& m, const char* name, PyObject* base, const char* doc) {
    const std::string qualified = "tellvane." + std::string(name);
    PyObject* type = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, base, nullptr);
    if (type == nullptr) throw py::error_already_set();
    m.add_object(name, py::handle(type));
    return type;
}

// Raises an instance of type with the message and the attributes.
void raise(PyObject* type, const std::string& message, std::initializer_list<std::pair<const char*, py::object>> attrs) {
    py::object error = py::reinterpret_borrow<py::object>(type)(message);
    for (const auto& [name, value] : attrs) error.attr(name) = value;
    PyErr_SetObject(type, error.ptr());
}

// What a caller may pass to Records.year to answer the selection.
const char* advice(SelectionError::Choice choice) {
    switch (choice) {
        case SelectionError::Choice::Station:
            return "; choose one with station=";
        case SelectionError::Choice::Year:
            return "; choose one with year=";
        case SelectionError::Choice::Kind:
            return "; choose one with kind=";
        case SelectionError::Choice::None:
            break;
    }
    return "";
}

void translate(std::exception_ptr thrown) {
    try {
        if (thrown) std::rethrow_exception(thrown);
    } catch (const InputError& e) {
        raise(inputErrorType, e.what(), {{"path", py::str(e.file())}, {"line", py::int_(e.line())}});
    } catch (const SelectionError& e) {
        raise(selectionErrorType, e.what() + std::string(advice(e.choice())), {});
    } catch (const Error& e) {
        raise(controlErrorType, "run-time error " + std::to_string(e.number()) + ": " + e.description(),
              {{"number", py::int_(e.number())}, {"description", py::str(e.description())}});
    }
    // Anything else goes on to pybind11's own translation: std::invalid_argument to
    // ValueError, std::bad_alloc to MemoryError, other exceptions to RuntimeError.
}

}  // namespace

void bindErrors(py::module_& m) {
    inputErrorType = newType(m, "InputError", PyExc_ValueError,
                             "A data file that cannot be read: .path names the file, .line the line (0 for "
                             "the whole file; for a Series, the reading's position from 1).");
    selectionErrorType = newType(m, "SelectionError", PyExc_ValueError,
                                 "A choice of station, year or kind that the data leaves open or contradicts, "
                                 "or a year without readings.");
    controlErrorType = newType(m, "ControlError", PyExc_RuntimeError,
                               "A run-time error of the control: .number and .description.");
    py::register_exception_translator(&translate);
}

}  // namespace tellvane::python
