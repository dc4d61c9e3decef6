#include "plotdoc/StablePdf.h"

#include <QCryptographicHash>

namespace tellvane::plotdoc {

namespace {

constexpr char kFixedDate[] = "20000101000000";  // year to second; any zone digits become 0

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

void fixDates(QByteArray& pdf, const QByteArray& key) {
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at)) {
        at += key.size();
        const qsizetype end = pdf.indexOf(')', at);
        if (end < 0) return;
        std::size_t digit = 0;
        for (; at < end; ++at) {
            if (!isDigit(pdf[at])) continue;
            pdf[at] = digit < sizeof kFixedDate - 1 ? kFixedDate[digit] : '0';
            ++digit;
        }
    }
}

// Calls f(index) for every hex digit inside the <...> strings of the /ID array.
template <typename F>
void forIdDigits(const QByteArray& pdf, qsizetype idAt, F f) {
    const qsizetype end = pdf.indexOf(']', idAt);
    bool inString = false;
    for (qsizetype at = idAt; at >= 0 && at < end; ++at) {
        if (pdf[at] == '<') inString = true;
        else if (pdf[at] == '>') inString = false;
        else if (inString && isHex(pdf[at])) f(at);
    }
}

void fixIdentifier(QByteArray& pdf) {
    const qsizetype idAt = pdf.lastIndexOf("/ID [");
    if (idAt < 0) return;
    forIdDigits(pdf, idAt, [&](qsizetype at) { pdf[at] = '0'; });
    const QByteArray digest = QCryptographicHash::hash(pdf, QCryptographicHash::Md5).toHex().toUpper();
    qsizetype next = 0;
    forIdDigits(pdf, idAt, [&](qsizetype at) { pdf[at] = digest[next++ % digest.size()]; });
}

}  // namespace

QByteArray stablePdf(QByteArray pdf) {
    fixDates(pdf, "/CreationDate (");
    fixDates(pdf, "/ModDate (");
    fixIdentifier(pdf);
    return pdf;
}

}  // namespace tellvane::plotdoc
