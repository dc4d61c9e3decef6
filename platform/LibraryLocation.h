#pragma once
// Where the control library was loaded from.

#include <string>

namespace tellvane {

/// Separates a directory from a file name on this platform.
constexpr char16_t kPathSeparator = u'/';

class LibraryLocation {
public:
    virtual ~LibraryLocation() = default;
    /// The directory, without a trailing separator.
    virtual std::u16string directory() = 0;
};

}  // namespace tellvane
