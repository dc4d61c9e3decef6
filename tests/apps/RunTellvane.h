#pragma once
// Runs the `tellvane` command line in the test's process and keeps what it wrote.

#include <sstream>
#include <string>
#include <vector>

#include "apps/tellvane/TellvaneCli.h"

namespace tellvane::test {

struct Run {
    int code;
    std::string out, err;
};

/// terminal: whether standard error is to be taken for a terminal.
inline Run runTellvane(std::vector<std::string> args, bool terminal = false) {
    args.insert(args.begin(), "tellvane");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = cli::runTellvane(static_cast<int>(argv.size()), argv.data(), out, err, terminal);
    return {code, out.str(), err.str()};
}

/// The lines of a text, without their line breaks.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace tellvane::test
