#include "records/InputError.h"

#include <utility>

namespace tellvane {
namespace {

std::string placed(const std::string& file, long line, const std::string& message) {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
}

}  // namespace

InputError::InputError(std::string file, long line, std::string message)
    : std::runtime_error(placed(file, line, message)),
      file_(std::move(file)),
      line_(line),
      message_(std::move(message)) {}

}  // namespace tellvane
