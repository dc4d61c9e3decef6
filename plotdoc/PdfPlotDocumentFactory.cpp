#include "plotdoc/PdfPlotDocumentFactory.h"

#include <QGuiApplication>

#include "common/Error.h"
#include "plotdoc/PdfPlotDocument.h"
#include "plotdoc/PlotDocErrors.h"

namespace tellvane::plotdoc {

std::unique_ptr<PlotDocument> PdfPlotDocumentFactory::create() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw Error(kNoGuiApplication, "The plot document needs a running QGuiApplication for its fonts");
    return std::make_unique<PdfPlotDocument>();
}

}  // namespace tellvane::plotdoc
