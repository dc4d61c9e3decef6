#include <unistd.h>

#include <iostream>

#include "apps/tellvane/TellvaneCli.h"

int main(int argc, char** argv) {
    return tellvane::cli::runTellvane(argc, argv, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
