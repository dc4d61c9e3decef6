#pragma once
// A private folder for a library that writes a file under a name of its own (the
// control's page): made with mkdtemp beside the outputs, so that what it holds can
// be renamed into place, and removed with its contents when done.

#include <filesystem>

namespace tellvane::fileout {

class WorkFolder {
public:
    /// A new folder ".tellvane-work-XXXXXX" in parent (which must exist).
    explicit WorkFolder(const std::filesystem::path& parent);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace tellvane::fileout
