#pragma once
// XDG_CONFIG_HOME pointed at a fresh scratch folder for the object's life, with a
// way to write an application's settings file there; no toolkit needed.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>

namespace tellvane::test {

class ConfigHome {
public:
    ConfigHome() {
        std::random_device seed;
        dir_ = std::filesystem::temp_directory_path() / ("tellvane-config-" + std::to_string(seed()));
        std::filesystem::create_directories(dir_);
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~ConfigHome() {
        if (saved_)
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    /// The settings file of an application, written or not.
    std::filesystem::path file(const std::string& application) const {
        return dir_ / "Tellvane" / (application + ".ini");
    }
    /// Writes Tellvane/<application>.ini; false when it could not.
    bool write(const std::string& application, const std::string& text) const {
        std::error_code ec;
        std::filesystem::create_directories(dir_ / "Tellvane", ec);
        std::ofstream out(file(application), std::ios::binary);
        out << text;
        return !ec && out.good();
    }

private:
    std::filesystem::path dir_;
    std::optional<std::string> saved_;
};

}  // namespace tellvane::test
