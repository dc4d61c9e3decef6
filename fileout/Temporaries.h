#pragma once
// The temporaries this process has made in users' folders and not yet committed or
// removed, so that a process ended by a signal can remove them. One lock guards
// every creation, commit and removal of them: a commit is never seen half done.

#include <filesystem>

namespace tellvane::fileout {

/// Held while temporaries are created, renamed into place or removed.
class OutputLock {
public:
    OutputLock();
    ~OutputLock();
    OutputLock(const OutputLock&) = delete;
    OutputLock& operator=(const OutputLock&) = delete;
};

/// Notes a temporary file or folder (removed with its contents); under OutputLock,
/// before the name is created, so that no moment leaves it unnoted.
void remember(const std::filesystem::path& temporary);
/// The temporary is gone or is now a user's file; under OutputLock.
void forget(const std::filesystem::path& temporary);

/// Removes every noted temporary and never lets the lock go, so that no output is
/// placed or started after it: for a process about to end on a signal. Must not be
/// called on a thread that holds the lock.
void abandonAll();

}  // namespace tellvane::fileout
