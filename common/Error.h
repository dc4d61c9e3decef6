#pragma once
// The one run-time error of the system: a number and a description, as a host sees
// a failed member. Platform realisations throw it with numbers of their own.

#include <stdexcept>
#include <string>

namespace tellvane {

enum ErrorNumber : int {
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
};

class Error : public std::runtime_error {
public:
    Error(int number, std::string description);

    /// The error's number (6 Overflow, 9 Subscript out of range, 11 Division by zero,
    /// 13 Type mismatch, or a platform realisation's own).
    int number() const noexcept { return number_; }
    /// The error's description, UTF-8.
    const std::string& description() const noexcept { return description_; }

    static Error overflow();
    static Error subscriptOutOfRange();
    static Error divisionByZero();
    static Error typeMismatch();

private:
    int number_;
    std::string description_;
};

}  // namespace tellvane
