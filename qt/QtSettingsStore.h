#pragma once
// The user's settings as INI files, one per application name:
// $XDG_CONFIG_HOME/Tellvane/<application>.ini (~/.config when XDG_CONFIG_HOME is
// unset), a [section] per section and key=value lines. Read only; keys and
// sections are matched exactly, case included.

#include <QString>

#include "platform/SettingsStore.h"

namespace tellvane {

class QtSettingsStore : public SettingsStore {
public:
    /// The file that holds an application's settings, as the environment says now.
    static QString filePath(const std::u16string& application);

    /// The stored text, or fallback when there is no such file, section or key.
    /// A file that cannot be read or parsed fails with Path/File access error.
    std::u16string read(const std::u16string& application, const std::u16string& section, const std::u16string& key,
                        const std::u16string& fallback) override;
    std::string fileOf(const std::u16string& application) const override {
        return filePath(application).toStdString();
    }
};

}  // namespace tellvane
