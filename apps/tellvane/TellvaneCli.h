#pragma once
// The `tellvane` command line: parses the arguments and runs the subcommand.

#include <ostream>

namespace tellvane::cli {

/// Runs the command line; returns the exit code. terminal tells whether err is a
/// terminal, where progress is shown as a bar.
int runTellvane(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool terminal = false);

}  // namespace tellvane::cli
