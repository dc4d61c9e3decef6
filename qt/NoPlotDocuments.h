#pragma once
// The plot document factory of a control that was given none: creating a document
// fails, so NenzuSakuzu ends with an error that says what is missing.

#include "plot/PlotDocument.h"

namespace tellvane {

class NoPlotDocuments : public PlotDocumentFactory {
public:
    /// Fails with error 429, the component cannot be created.
    std::unique_ptr<PlotDocument> create() override;
};

}  // namespace tellvane
