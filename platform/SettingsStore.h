#pragma once
// The user's settings, read only.

#include <string>

namespace tellvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// The stored text, or fallback when nothing is stored under the key.
    virtual std::u16string read(const std::u16string& application, const std::u16string& section,
                                const std::u16string& key, const std::u16string& fallback) = 0;
    /// The file that holds an application's settings, for an error to name when a
    /// stored value is refused; empty when the settings live in no file.
    virtual std::string fileOf(const std::u16string& application) const {
        (void)application;
        return {};
    }
};

}  // namespace tellvane
