#pragma once
// Reading back what `tellvane render` and `batch` write: the picture's pixels and
// the plotted page's text.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/Palette.h"
#include "tests/support/PngReference.h"

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
    std::string squeezed;
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, kIdeographicSpace.size(), kIdeographicSpace) == 0) {
            i += kIdeographicSpace.size() - 1;
            continue;
        }
        if (text[i] != ' ' && text[i] != '\n' && text[i] != '\f') squeezed += text[i];
    }
    return squeezed;
}

/// A picture's width and height.
struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const PixelSize& s) { return out << s.width << "x" << s.height; }
};

/// The PNG file as a picture (0 x 0 when it cannot be read).
inline OwnedPicture pngImage(const std::filesystem::path& png) { return readPng(png.string()); }
inline PixelSize sizeOf(const OwnedPicture& picture) { return {picture.width, picture.height}; }

/// True when the pixel has the palette colour.
inline bool isPalette(const OwnedPicture& picture, int x, int y, int palette) {
    return picture.rgbAt(x, y) == paletteRgb(palette);
}

}  // namespace tellvane::test
