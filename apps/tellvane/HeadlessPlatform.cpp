#include "apps/tellvane/HeadlessPlatform.h"

#include <utility>

#include "common/Error.h"
#include "common/Text.h"
#include "platform/DrawingSurface.h"

namespace tellvane::cli {
namespace {

// The number a host sees when a component cannot be created.
constexpr int kCannotCreateComponent = 429;
// A headless chart is measured at 96 pixels to the inch.
constexpr float kTwipsPerPixel = 15.0f;

// The prompt's CR LF is a message box's line break; a terminal wants LF.
std::string terminalText(const std::u16string& text) {
    std::string out = toUtf8(text);
    for (std::size_t i = out.find("\r\n"); i != std::string::npos; i = out.find("\r\n", i)) out.erase(i, 1);
    return out;
}

}  // namespace

void StreamMessageBox::show(const std::u16string& prompt, const std::u16string& title, int) {
    err_ << terminalText(title) << ": " << terminalText(prompt) << '\n';
}

std::unique_ptr<PlotDocument> NoPlotDocuments::create() {
    throw Error(kCannotCreateComponent,
                "Cannot create the plot document component: this command draws no plotted page");
}

HeadlessPlatform::HeadlessPlatform(DrawingSurface& picture, PlotDocumentFactory& plots, std::ostream& err,
                                   std::u16string libraryDirectory)
    : picture_(picture),
      plots_(plots),
      container_(picture.scaleWidth() * kTwipsPerPixel, picture.scaleHeight() * kTwipsPerPixel),
      messageBox_(err),
      library_(std::move(libraryDirectory)) {}

Platform HeadlessPlatform::platform() {
    return Platform{container_, picture_, screen_, messageBox_, settings_, library_, events_, plots_};
}

}  // namespace tellvane::cli
