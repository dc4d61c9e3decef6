#pragma once
// The `tellvane` command line: parses the arguments and runs the subcommand.

#include <ostream>

namespace tellvane::cli {

/// What runTellvane does when the command is done.
enum class Ending {
    Return,      ///< returns the exit code, all torn down (for a caller that goes on)
    EndProcess,  ///< ends the process with it once every output is flushed (for main)
};

/// Runs the command line; returns the exit code. terminal tells whether err is a
/// terminal, where progress is shown as a bar.
int runTellvane(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool terminal = false,
                Ending ending = Ending::Return);

}  // namespace tellvane::cli
