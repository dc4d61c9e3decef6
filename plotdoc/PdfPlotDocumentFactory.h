#pragma once
// The factory a platform hands to the control: one file-writing plot document for
// each plotted page.

#include "platform/PlotDocument.h"

namespace tellvane::plotdoc {

class PdfPlotDocumentFactory final : public PlotDocumentFactory {
public:
    /// A new document; fails with kNoGuiApplication when no QGuiApplication runs,
    /// since the texts need its fonts.
    std::unique_ptr<PlotDocument> create() override;
};

}  // namespace tellvane::plotdoc
