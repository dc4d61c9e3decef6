#include "common/Error.h"

#include <utility>

namespace tellvane {

Error::Error(int number, std::string description)
    : std::runtime_error(std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

Error Error::overflow() { return Error(kOverflow, "Overflow"); }
Error Error::subscriptOutOfRange() { return Error(kSubscriptOutOfRange, "Subscript out of range"); }
Error Error::divisionByZero() { return Error(kDivisionByZero, "Division by zero"); }
Error Error::typeMismatch() { return Error(kTypeMismatch, "Type mismatch"); }

}  // namespace tellvane
