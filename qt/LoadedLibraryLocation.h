#pragma once
// Where the control was loaded from: the directory of the shared library or
// executable that holds this code, found through the dynamic loader. A host can
// name another directory, as the command line does with its output directory.

#include <optional>
#include <string>

#include "platform/LibraryLocation.h"

namespace tellvane {

class LoadedLibraryLocation : public LibraryLocation {
public:
    /// From now on the directory is this one (a trailing separator is dropped).
    void setDirectory(std::u16string directory);
    /// Back to the directory the code was loaded from.
    void resetDirectory() { chosen_.reset(); }

    /// Fails with Path/File access error when the loader cannot tell.
    std::u16string directory() override;

    /// The directory of the file the loader loaded this code from.
    static std::u16string loadedFrom();

private:
    std::optional<std::u16string> chosen_;
};

}  // namespace tellvane
