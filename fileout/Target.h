#pragma once
// What may stand where an output goes, and the names of temporaries beside it.

#include <filesystem>
#include <string>

#include "common/Error.h"

namespace tellvane::fileout {

/// "Path/File access error: PATH: WHY" as the run-time error a host reports.
Error accessError(const std::filesystem::path& path, const std::string& why);
/// The same, with the system's word for errno appended.
Error accessError(const std::filesystem::path& path, const std::string& why, int error);

/// Fails unless path is free for an output: absent, a regular file, or a symbolic
/// link (which is replaced, never followed). A folder, FIFO, device or socket is
/// refused by name. Looks with lstat only, so nothing there is opened or waited on.
void checkTarget(const std::filesystem::path& path);

/// Creates dir and the folders above it as needed (nothing for ""); fails with a
/// run-time error naming it.
void makeFolders(const std::filesystem::path& dir);

/// The folder a path's file goes into: "." for a bare name.
std::filesystem::path folderOf(const std::filesystem::path& path);

/// A name beside path that no file of the user's has: ".NAME.XXXXXXXX.SUFFIX",
/// the X random. Not created; the caller creates it exclusively and tries again on
/// EEXIST.
std::filesystem::path besideName(const std::filesystem::path& path, const std::string& suffix);

/// Syncs a folder, so that names renamed into it survive a crash; a file system
/// that cannot sync folders is not an error.
void syncFolder(const std::filesystem::path& dir);

}  // namespace tellvane::fileout
