#pragma once
// What a host tells the page writer: where the typefaces' files are, whether pages
// are written on a thread of their own, and how to wake the caller when they are.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tellvane::pagewriter {

/// A family and the files that may hold it, tried in order; the first that exists
/// is used. A host without the files (the browser) hands over the face's bytes
/// instead, and names them by the first file.
struct TypefaceFiles {
    std::string family;
    std::vector<std::string> files;
    std::shared_ptr<const std::string> bytes{};  ///< used in place of the files when set
};

/// IPA Gothic, the face the Japanese labels are designed for, where Debian and other
/// systems install it.
std::vector<TypefaceFiles> defaultTypefaces();

/// The first of the files that exists, or "" when none does.
std::string existingFile(const TypefaceFiles& typeface);

/// True when the face can be read: its bytes were handed over or a file exists.
bool faceAvailable(const TypefaceFiles& typeface);

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreadsAvailable = false;
#else
inline constexpr bool kThreadsAvailable = true;
#endif

struct PageWriterOptions {
    /// The families SetupValue1 may name; the first is the default face.
    std::vector<TypefaceFiles> typefaces = defaultTypefaces();
    /// Pages are written on a thread of their own; false writes them within
    /// OutputToFile, for builds without threads.
    bool background = kThreadsAvailable;
    /// Called on the thread that calls OutputToFile; what it returns is called when
    /// that output has ended, to wake the caller's event loop.
    std::function<std::function<void()>()> wakeCaller;
    /// Every page as SVG whatever its file's name, for a host that asks for an SVG
    /// page of the control, which names each page alike; false lets the name choose.
    bool svg = false;
};

}  // namespace tellvane::pagewriter
