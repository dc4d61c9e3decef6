#pragma once
// The one run-time error of the system: a number and a description, as a host sees
// a failed member, and where a file is to blame, that file (with a line or a key)
// and what went wrong there as fields of their own, so that a host words the place
// itself (or names its own file for a working file) instead of editing text.
//
// The numbers and descriptions of the classic run-time errors live in one table,
// Error.cpp's catalogue; every layer that fails with one of them uses it.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tellvane {

/// The classic run-time error numbers that hosts of such controls already know.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,    ///< e.g. no screen to ask
    kOverflow = 6,                ///< a value beyond its integer or a double
    kOutOfMemory = 7,             ///< a surface's picture could not be allocated
    kSubscriptOutOfRange = 9,     ///< an index outside a table
    kDivisionByZero = 11,         ///< e.g. equal axis limits
    kTypeMismatch = 13,           ///< a text that is not a number
    kFileAccess = 75,             ///< a file could not be read or written
    kObjectUnloaded = 364,        ///< the host deleted the widget inside a call into it
    kInvalidPropertyValue = 380,  ///< a size or value the surface refuses
};

/// The catalogue's description of a number ("Overflow"); empty for a number that is
/// not in it (a realisation's own).
std::string_view catalogueDescription(int number) noexcept;

/// The file an error blames: a line of it (from 1) or a key in it, when one is to blame.
struct ErrorPlace {
    ErrorPlace() = default;
    ErrorPlace(std::string file, long line = 0, std::string key = {})
        : file(std::move(file)), line(line), key(std::move(key)) {}

    std::string file;
    long line = 0;
    std::string key;
};

class Error : public std::runtime_error {
public:
    /// An error of a realisation's own number and wording.
    Error(int number, std::string description);
    /// An error of the catalogue, with what went wrong (may be empty) and where.
    explicit Error(ErrorNumber number, std::string detail, ErrorPlace place);
    /// An error of a realisation's own number and summary, with a detail and a place.
    Error(int number, std::string summary, std::string detail, ErrorPlace place);

    /// The error's number (see ErrorNumber, or a realisation's own).
    int number() const noexcept { return number_; }
    /// The whole description, UTF-8: the catalogue's text, then the place and the
    /// detail ("Path/File access error: /data/a.ini: cannot be read").
    const std::string& description() const noexcept { return description_; }
    /// The catalogue's text alone, or the realisation's own description.
    const std::string& summary() const noexcept { return summary_; }
    /// What went wrong beyond the summary, without the place; may be empty.
    const std::string& detail() const noexcept { return detail_; }
    /// The file to blame; empty when none is.
    const std::string& file() const noexcept { return place_.file; }
    /// The line of file to blame, from 1; 0 when none is.
    long line() const noexcept { return place_.line; }
    /// The key of file to blame (a setting's name); empty when none is.
    const std::string& key() const noexcept { return place_.key; }
    const ErrorPlace& place() const noexcept { return place_; }

    /// The same error blaming another place: a host that wrote a working file names
    /// the user's file instead.
    Error at(ErrorPlace place) const;
    /// The same error naming userFile where it blames workingFile (a file the host
    /// had the control write in its stead); unchanged when it blames another.
    Error naming(const std::string& userFile, const std::string& workingFile) const;

    static Error overflow();
    static Error subscriptOutOfRange();
    static Error divisionByZero();
    static Error typeMismatch();
    /// Path/File access error on a file, with why.
    static Error fileAccess(std::string file, std::string why = {});

private:
    int number_;
    std::string summary_, detail_;
    ErrorPlace place_;
    std::string description_;
};

}  // namespace tellvane
