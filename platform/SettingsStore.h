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
};

}  // namespace tellvane
