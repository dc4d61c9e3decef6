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

/// The text in another encoding, as glibc's iconv names them.
inline std::string recoded(const std::string& text, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("no converter to ") + to);
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &next, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) throw std::runtime_error(std::string("not convertible to ") + to);
    out.resize(out.size() - outLeft);
    return out;
}

/// UTF-8 text as Windows Shift_JIS bytes.
inline std::string toShiftJis(const std::string& utf8) { return recoded(utf8, "UTF-8", "CP932"); }

/// Windows Shift_JIS bytes as UTF-8 text.
inline std::string fromShiftJis(const std::string& bytes) { return recoded(bytes, "CP932", "UTF-8"); }

}  // namespace tellvane::test
