#pragma once
// Reading back what `tellvane render` and `batch` write: the picture's pixels and
// the plotted page's text.

#include <QImage>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tellvane::test {

/// The first bytes of a file ("" when it cannot be read).
inline std::string fileStart(const std::filesystem::path& file, std::size_t n) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(n));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

/// The PDF's text as pdftotext extracts it, without any white space, so that a
/// spaced-out title reads as its characters in a row.
inline std::string pdfText(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -enc UTF-8 '" + pdf.string() + "' - 2>/dev/null";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        pclose(pipe);
    }
    const QString squeezed =
        QString::fromUtf8(text).remove(QChar(u' ')).remove(QChar(u'\u3000')).remove(u'\n').remove(u'\f');
    return squeezed.toStdString();
}

/// The PNG file as an image (null when it cannot be read).
inline QImage pngImage(const std::filesystem::path& png) { return QImage(QString::fromStdString(png.string()), "PNG"); }

}  // namespace tellvane::test
