#include "qt/QtSettingsStore.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "common/Error.h"

namespace tellvane {

// The path is built anew each time rather than left to QSettings, which fixes the
// configuration directory once per process.
QString QtSettingsStore::filePath(const std::u16string& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tellvane/") +
           QString::fromStdU16String(application) + QStringLiteral(".ini");
}

std::u16string QtSettingsStore::read(const std::u16string& application, const std::u16string& section,
                                     const std::u16string& key, const std::u16string& fallback) {
    const QString path = filePath(application);
    if (!QFileInfo::exists(path)) return fallback;
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant value =
        settings.value(QString::fromStdU16String(section) + QLatin1Char('/') + QString::fromStdU16String(key));
    if (settings.status() != QSettings::NoError)
        throw Error::fileAccess(path.toStdString(), "cannot be read as settings");
    if (!value.isValid()) return fallback;
    // An INI value with commas in it reads as a list; the store hands out the text.
    if (value.metaType().id() == QMetaType::QStringList) return value.toStringList().join(u',').toStdU16String();
    return value.toString().toStdU16String();
}

}  // namespace tellvane
