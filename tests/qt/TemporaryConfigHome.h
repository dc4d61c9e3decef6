#pragma once
// XDG_CONFIG_HOME pointed at a fresh temporary directory for the object's life,
// with a way to write the settings file of an application there.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>

namespace tellvane::test {

class TemporaryConfigHome {
public:
    TemporaryConfigHome() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
    }
    ~TemporaryConfigHome() {
        if (saved_)
            setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    TemporaryConfigHome(const TemporaryConfigHome&) = delete;
    TemporaryConfigHome& operator=(const TemporaryConfigHome&) = delete;

    QString path() const { return dir_.path(); }
    /// Writes Tellvane/<application>.ini; false when it could not.
    bool write(const QString& application, const QByteArray& text) {
        if (!QDir(dir_.path()).mkpath(QStringLiteral("Tellvane"))) return false;
        QFile f(dir_.filePath(QStringLiteral("Tellvane/") + application + QStringLiteral(".ini")));
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }

private:
    QTemporaryDir dir_;
    std::optional<std::string> saved_;
};

}  // namespace tellvane::test
