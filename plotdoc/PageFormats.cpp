#include "plotdoc/PageFormats.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "common/Error.h"
#include "plotdoc/PagePainter.h"
#include "plotdoc/PlotDocErrors.h"
#include "plotdoc/StablePdf.h"

namespace tellvane::plotdoc {

namespace {

// A hundredth of a millimetre per device unit: finer than any plotter step, and
// whole numbers for every size of paper.
constexpr int kResolution = 2540;
constexpr double kPerMillimetre = kResolution / 25.4;

const QString kCreator = QStringLiteral("Tellvane plot document");

void begin(QPainter& painter, QPaintDevice& device, const char* format) {
    if (!painter.begin(&device))
        throw Error(kOutputFailed, std::string("The ") + format + " page could not be started");
}

}  // namespace

PageFormat formatOf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ? PageFormat::Svg
                                                                                            : PageFormat::Pdf;
}

QByteArray renderPdf(const DisplayList& page, const PageSetup& setup) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(kCreator);
        writer.setTitle(page.title());
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(setup.pageSize(),
                                         setup.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        begin(painter, writer, "PDF");
        for (int copy = 0; copy < setup.copies(); ++copy) {
            if (copy > 0) writer.newPage();
            paintPage(painter, page, setup, kPerMillimetre);
        }
        painter.end();
    }
    return stablePdf(std::move(bytes));
}

QByteArray renderSvg(const DisplayList& page, const PageSetup& setup) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setResolution(kResolution);
        const QSizeF sheet = setup.sheet() * kPerMillimetre;
        generator.setSize(
            QSize(static_cast<int>(std::lround(sheet.width())), static_cast<int>(std::lround(sheet.height()))));
        generator.setViewBox(QRectF(QPointF(0, 0), sheet));
        generator.setTitle(page.title());
        generator.setDescription(kCreator);
        QPainter painter;
        begin(painter, generator, "SVG");
        paintPage(painter, page, setup, kPerMillimetre);
        painter.end();
    }
    return bytes;
}

}  // namespace tellvane::plotdoc
