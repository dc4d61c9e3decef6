#include "pagewriter/PageWriterOptions.h"

#include <sys/stat.h>

namespace tellvane::pagewriter {

std::vector<TypefaceFiles> defaultTypefaces() {
    return {
        {"IPAGothic",
         {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
          "/usr/share/fonts/truetype/ipafont-gothic/ipag.ttf", "/usr/share/fonts/ipa-gothic/ipag.ttf",
          "/usr/local/share/fonts/ipag.ttf", "/fonts/ipag.ttf"}}};
}

std::string existingFile(const TypefaceFiles& typeface) {
    for (const std::string& file : typeface.files) {
        struct stat info {};
        if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return file;
    }
    return {};
}

bool faceAvailable(const TypefaceFiles& typeface) { return typeface.bytes || !existingFile(typeface).empty(); }

}  // namespace tellvane::pagewriter
