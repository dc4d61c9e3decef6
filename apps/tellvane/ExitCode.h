#pragma once
// What the tool's exit status tells a script.

namespace tellvane::cli {

enum ExitCode : int {
    kSuccess = 0,
    kBadInput = 1,        ///< usage, or a data file that cannot be read as what it claims
    kBlockNotLoaded = 2,  ///< the data had nothing for a block; NenZu answered false
    kRunTimeError = 3,    ///< the control failed with a run-time error
    kOutputFailed = 4,    ///< standard output could not be written (a full disk, a closed pipe)
};

}  // namespace tellvane::cli
