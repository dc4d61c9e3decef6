#pragma once
// A finished page goes to its file whole or not at all: it is written under a
// temporary name in the same directory and renamed into place once complete, so a
// failure never leaves a truncated file nor destroys an earlier one.

#include <QByteArray>
#include <QString>

namespace tellvane::plotdoc {

/// Writes the bytes to the path; throws kOutputFailed with the reason on failure.
void writePageFile(const QString& path, const QByteArray& bytes);

}  // namespace tellvane::plotdoc
