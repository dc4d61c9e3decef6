#include "common/Error.h"

#include <utility>

namespace tellvane {
namespace {

struct Entry {
    ErrorNumber number;
    std::string_view description;
};

// The catalogue: each number and its description, once.
constexpr Entry kCatalogue[] = {
    {kInvalidProcedureCall, "Invalid procedure call"},
    {kOverflow, "Overflow"},
    {kOutOfMemory, "Out of memory"},
    {kSubscriptOutOfRange, "Subscript out of range"},
    {kDivisionByZero, "Division by zero"},
    {kTypeMismatch, "Type mismatch"},
    {kFileAccess, "Path/File access error"},
    {kObjectUnloaded, "Object was unloaded"},
    {kInvalidPropertyValue, "Invalid property value"},
};

std::string placed(const std::string& summary, const std::string& detail, const ErrorPlace& place) {
    std::string text = summary;
    if (!place.file.empty()) {
        text += ": " + place.file;
        if (place.line > 0) text += ":" + std::to_string(place.line);
    }
    if (!place.key.empty()) text += ": " + place.key;
    if (!detail.empty()) text += ": " + detail;
    return text;
}

}  // namespace

std::string_view catalogueDescription(int number) noexcept {
    for (const Entry& e : kCatalogue)
        if (e.number == number) return e.description;
    return {};
}

Error::Error(int number, std::string summary, std::string detail, ErrorPlace place)
    : std::runtime_error(std::to_string(number) + ": " + placed(summary, detail, place)),
      number_(number),
      summary_(std::move(summary)),
      detail_(std::move(detail)),
      place_(std::move(place)),
      description_(placed(summary_, detail_, place_)) {}

Error::Error(int number, std::string description) : Error(number, std::move(description), {}, {}) {}

Error::Error(ErrorNumber number, std::string detail, ErrorPlace place)
    : Error(number, std::string(catalogueDescription(number)), std::move(detail), std::move(place)) {}

Error Error::at(ErrorPlace place) const { return Error(number_, summary_, detail_, std::move(place)); }

Error Error::naming(const std::string& userFile, const std::string& workingFile) const {
    if (place_.file != workingFile) return *this;
    return at({userFile, place_.line, place_.key});
}

Error Error::overflow() { return Error(kOverflow, {}, {}); }
Error Error::subscriptOutOfRange() { return Error(kSubscriptOutOfRange, {}, {}); }
Error Error::divisionByZero() { return Error(kDivisionByZero, {}, {}); }
Error Error::typeMismatch() { return Error(kTypeMismatch, {}, {}); }
Error Error::fileAccess(std::string file, std::string why) {
    return Error(kFileAccess, std::move(why), ErrorPlace{std::move(file)});
}

}  // namespace tellvane
