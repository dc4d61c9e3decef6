#pragma once
// Files for the readers' tests: a scratch folder that is removed afterwards, and
// text encoded as the water information database writes it.

#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace tellvane::test {

/// The sample data of the project.
inline std::filesystem::path samplesDir() { return TELLVANE_SAMPLES_DIR; }

/// A folder of its own under the system's temporary folder, removed with it.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("tellvane-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    /// Writes the bytes to a file of the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    std::filesystem::path path_;
};

/// UTF-8 text as Windows Shift_JIS bytes.
inline std::string toShiftJis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &toLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) throw std::runtime_error("not encodable in Shift_JIS: " + utf8);
    out.resize(out.size() - toLeft);
    return out;
}

}  // namespace tellvane::test
