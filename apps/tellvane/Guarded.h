#pragma once
// How a command's failures become exit codes: bad input and open choices are the
// user's to mend (1), a run-time error of the control is reported with its number
// and description (3), and so is anything else that fails (a folder that cannot be
// made absolute, say).

#include <exception>
#include <ostream>

#include "apps/tellvane/ExitCode.h"
#include "common/Error.h"
#include "records/InputError.h"
#include "records/YearSelection.h"

namespace tellvane::cli {

/// What the user may add on the command line to answer the selection.
inline const char* advice(SelectionError::Choice choice) {
    switch (choice) {
        case SelectionError::Choice::Station:
            return "; choose one with --station";
        case SelectionError::Choice::Year:
            return "; choose one with --year";
        case SelectionError::Choice::Kind:
            return "; choose one with --kind";
        case SelectionError::Choice::None:
            break;
    }
    return "";
}

/// Runs the command's body and turns its exceptions into messages on err and exit codes.
template <typename Body>
int guarded(std::ostream& err, Body&& body) {
    try {
        return body();
    } catch (const InputError& e) {
        err << "tellvane: " << e.what() << '\n';
        return kBadInput;
    } catch (const SelectionError& e) {
        err << "tellvane: " << e.what() << advice(e.choice()) << '\n';
        return kBadInput;
    } catch (const Error& e) {
        err << "tellvane: run-time error " << e.number() << ": " << e.description() << '\n';
        return kRunTimeError;
    } catch (const std::exception& e) {  // a folder that cannot be made absolute, memory exhausted
        err << "tellvane: " << e.what() << '\n';
        return kRunTimeError;
    }
}

}  // namespace tellvane::cli
