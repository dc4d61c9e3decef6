#pragma once
// The `tellvane` command line: parses the arguments and runs the subcommand.

#include <ostream>

namespace tellvane::cli {

/// Runs the command line; returns the exit code.
int runTellvane(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tellvane::cli
