#include "plotdoc/PagePainter.h"

#include <QFontMetricsF>
#include <QPen>

#include "plotdoc/PenTable.h"

namespace tellvane::plotdoc {

namespace {

// Texts are shaped at one large size and scaled into their boxes, so that every
// size shares one font engine and the sizes stay exact to the hundredth.
constexpr int kShapingSize = 1000;

class Painter {
public:
    Painter(QPainter& painter, const PageSetup& setup, double perMillimetre)
        : p_(painter), setup_(setup), k_(perMillimetre), sheetHeight_(setup.sheet().height()) {
        QFont font(setup.fontFamily());
        font.setPixelSize(kShapingSize);
        font.setKerning(false);
        font.setHintingPreference(QFont::PreferNoHinting);
        fonts_[0] = font;
        font.setBold(true);
        fonts_[1] = font;
    }
    /// Draws what is still held back.
    void finish() { flushLines(); }

    void operator()(const LineOp& line) {
        const QPen pen = qpen(line);
        if (!lines_.isEmpty() && pen != pen_) flushLines();
        pen_ = pen;
        lines_.append(QLineF(device(line.from), device(line.to)));
    }

    void operator()(const TextOp& text) {
        flushLines();
        const QFont& font = fonts_[text.bold ? 1 : 0];
        p_.setFont(font);
        const QFontMetricsF metrics(font, p_.device());
        const double unit = (text.millimetres ? 1.0 : setup_.unitLength()) * k_;
        const double advance = metrics.horizontalAdvance(text.text);
        // The character box is one em tall with its top at the font's ascent, so a
        // full-width character fills it exactly.
        const double x = -(text.anchor % 3) * advance / 2.0;
        const double baseline = metrics.ascent() - kShapingSize + (text.anchor / 3) * kShapingSize / 2.0;
        p_.save();
        p_.translate(device(text.at));
        p_.rotate(-text.rotation);  // counter-clockwise on the page, whose y runs upward
        p_.scale(text.width * unit / kShapingSize, text.height * unit / kShapingSize);
        p_.setPen(QPen(colour(penOf(text.pen))));
        p_.drawText(QPointF(x, baseline), text.text);
        p_.restore();
    }

private:
    // Lines in a row with the same pen go out as one stroke, which keeps the file
    // small and the writing quick.
    void flushLines() {
        if (lines_.isEmpty()) return;
        p_.setPen(pen_);
        p_.drawLines(lines_);
        lines_.clear();
    }

    QPen qpen(const LineOp& line) const {
        const Pen& pen = penOf(line.pen);
        const double width = pen.width * line.style.widthFactor;
        QPen qpen(colour(pen), width * k_);
        qpen.setCapStyle(capStyle());
        const std::vector<double> pattern = dashPattern(line.style, setup_);
        if (!pattern.empty()) {
            // A pen's pattern counts in widths of the pen.
            QList<qreal> widths;
            for (const double mm : pattern) widths.append(mm / width);
            qpen.setDashPattern(widths);
            qpen.setDashOffset(setup_.patternOffset() / width);
        }
        return qpen;
    }

    QPointF device(QPointF page) const {
        const QPointF mm = setup_.origin() + page * setup_.unitLength();
        return {mm.x() * k_, (sheetHeight_ - mm.y()) * k_};
    }
    QColor colour(const Pen& pen) const { return setup_.monochrome() ? QColor(Qt::black) : pen.colour; }
    Qt::PenCapStyle capStyle() const {
        switch (setup_.lineEnds()) {
            case LineEnds::Flat:
                return Qt::FlatCap;
            case LineEnds::Round:
                return Qt::RoundCap;
            case LineEnds::Square:
                return Qt::SquareCap;
        }
        return Qt::RoundCap;
    }

    QPainter& p_;
    const PageSetup& setup_;
    double k_;
    double sheetHeight_;
    QFont fonts_[2];  // regular, bold
    QPen pen_;
    QList<QLineF> lines_;
};

}  // namespace

void paintPage(QPainter& painter, const DisplayList& page, const PageSetup& setup, double perMillimetre) {
    Painter paint(painter, setup, perMillimetre);
    for (const DrawOp& op : page.ops()) std::visit(paint, op);
    paint.finish();
}

}  // namespace tellvane::plotdoc
