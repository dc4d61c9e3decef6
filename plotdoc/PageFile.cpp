#include "plotdoc/PageFile.h"

#include <QSaveFile>

#include "common/Error.h"
#include "plotdoc/PlotDocErrors.h"

namespace tellvane::plotdoc {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw Error(kOutputFailed,
                "The plot file " + path.toStdString() + " could not be written: " + reason.toStdString());
}

}  // namespace

void writePageFile(const QString& path, const QByteArray& bytes) {
    // QSaveFile writes beside the target, syncs, and renames only on commit; it
    // removes its temporary file when it is destroyed without a commit. Unbuffered,
    // because a short write while flushing a buffer (a full disk) would still commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(path, file.errorString());
    if (file.write(bytes) != bytes.size()) fail(path, "the disk is full or the file too large");
    if (!file.commit()) fail(path, file.errorString());
}

}  // namespace tellvane::plotdoc
