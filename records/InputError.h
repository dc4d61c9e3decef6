#pragma once
// Bad input: a data file that cannot be read as what it claims to be. The message
// names the file and, where one is to blame, the line.

#include <stdexcept>
#include <string>

namespace tellvane {

class InputError : public std::runtime_error {
public:
    /// line 0 blames the whole file.
    InputError(std::string file, long line, std::string message);

    /// The file as it was named to the reader.
    const std::string& file() const noexcept { return file_; }
    /// The line, from 1; 0 for the whole file.
    long line() const noexcept { return line_; }
    /// What is wrong, without the place.
    const std::string& message() const noexcept { return message_; }

private:
    std::string file_;
    long line_;
    std::string message_;
};

/// Where a reader is in its input, for the messages of InputError.
struct InputPlace {
    std::string file;
    long line = 0;

    /// An InputError at this place.
    InputError error(std::string message) const { return InputError(file, line, std::move(message)); }
};

}  // namespace tellvane
