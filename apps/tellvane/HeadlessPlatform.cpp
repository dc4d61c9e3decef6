#include "apps/tellvane/HeadlessPlatform.h"

#include <utility>

#include "platform/DrawingSurface.h"
#include "qt/MessageText.h"

namespace tellvane::cli {
namespace {

// A headless chart is measured at 96 pixels to the inch.
constexpr float kTwipsPerPixel = 15.0f;

}  // namespace

void StreamMessageBox::show(const std::u16string& prompt, const std::u16string& title, int) {
    err_ << messageText(title).toStdString() << ": " << messageText(prompt).toStdString() << '\n';
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

}  // namespace tellvane::cli
