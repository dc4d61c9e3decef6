#include <unistd.h>

#include <iostream>

#include "apps/tellvane/TellvaneCli.h"

int main(int argc, char** argv) {
    using tellvane::cli::Ending;
    return tellvane::cli::runTellvane(argc, argv, std::cout, std::cerr, isatty(STDERR_FILENO) == 1, Ending::EndProcess);
}
