#include <unistd.h>

#include <csignal>
#include <iostream>

#include "apps/tellvane/Interruption.h"
#include "apps/tellvane/TellvaneCli.h"

int main(int argc, char** argv) {
    // Before any other thread starts, so that every thread leaves the signals to it.
    tellvane::cli::endOnSignals();
    // A closed pipe or a file-size limit then fails the write with an error the
    // tool reports (exit 4 for standard output, 3 with the cause for a file), instead
    // of ending the process silently and leaving a partial file behind.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    using tellvane::cli::Ending;
    return tellvane::cli::runTellvane(argc, argv, std::cout, std::cerr, isatty(STDERR_FILENO) == 1, Ending::EndProcess);
}
