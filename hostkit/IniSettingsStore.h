#pragma once
// The user's settings read without a toolkit, from the files the desktop viewer
// keeps: $XDG_CONFIG_HOME/Tellvane/<application>.ini (~/.config when XDG_CONFIG_HOME
// is unset or empty), a [section] per section and key=value lines, read as the
// toolkit's INI settings read them: blanks around keys and values dropped, ';'
// starting a comment outside quotes, "quoted" parts with backslash escapes, and
// commas between parts of a list, which the store hands out joined by a comma.
// Keys and sections are matched exactly, case included.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace tellvane {

class IniSettingsStore : public SettingsStore {
public:
    /// The file that holds an application's settings, as the environment says now.
    static std::filesystem::path filePath(const std::u16string& application);

    /// The stored text, or fallback when there is no such file, section or key. A
    /// file that cannot be read fails with Path/File access error naming it.
    std::u16string read(const std::u16string& application, const std::u16string& section, const std::u16string& key,
                        const std::u16string& fallback) override;
    std::string fileOf(const std::u16string& application) const override { return filePath(application).string(); }
};

/// The value text of an INI line's right-hand side, as described above.
std::string iniValueText(std::string_view raw);

}  // namespace tellvane
