#include "hostkit/HeadlessPlatform.h"

#include <utility>

#include "common/Text.h"
#include "platform/DrawingSurface.h"

namespace tellvane {
namespace {

// A headless chart is measured at 96 pixels to the inch.
constexpr float kTwipsPerPixel = 15.0f;

// The control ends its lines with CR LF; a stream wants LF (a lone CR too).
std::string streamText(const std::u16string& text) {
    std::string s = toUtf8(text);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r') {
            out += s[i];
        } else if (i + 1 == s.size() || s[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

}  // namespace

void StreamMessageBox::show(const std::u16string& prompt, const std::u16string& title, int) {
    err_ << streamText(title) << ": " << streamText(prompt) << '\n';
}

HeadlessPlatform::HeadlessPlatform(const HeadlessParts& parts, std::ostream& err, std::u16string libraryDirectory)
    : parts_(parts),
      container_(parts.picture.scaleWidth() * kTwipsPerPixel, parts.picture.scaleHeight() * kTwipsPerPixel),
      messageBox_(err),
      library_(std::move(libraryDirectory)) {}

Platform HeadlessPlatform::platform() {
    return Platform{container_,      parts_.picture, screen_,       messageBox_,
                    parts_.settings, library_,       parts_.events, parts_.plots};
}

}  // namespace tellvane
