#include "plotdoc/StablePdf.h"

#include <QByteArrayList>
#include <QCryptographicHash>

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace tellvane::plotdoc {

namespace {

constexpr char kFixedDate[] = "(D:20000101000000Z)";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
bool endsName(char c) { return isSpace(c) || QByteArrayView("/<>[]()").contains(c); }

// One change to the file: bytes [at, at + length) become with.
struct Edit {
    qsizetype at, length;
    QByteArray with;
};

// The cross-reference table: where it starts, where the offsets of the objects in
// use stand, and where the number after startxref stands.
struct Xref {
    qsizetype start = 0;
    std::vector<qsizetype> offsetFields;  // ten digits each
    qsizetype startxrefNumber = 0, startxrefDigits = 0;
};

qsizetype skipSpaces(const QByteArray& pdf, qsizetype at) {
    while (at < pdf.size() && isSpace(pdf[at])) ++at;
    return at;
}

// The number at `at` (digits only), and where it ends; nullopt when there is none.
std::optional<qsizetype> numberAt(const QByteArray& pdf, qsizetype& at) {
    const qsizetype first = at;
    qsizetype value = 0;
    while (at < pdf.size() && isDigit(pdf[at]) && at - first < 18) value = value * 10 + (pdf[at++] - '0');
    if (at == first) return std::nullopt;
    return value;
}

std::optional<Xref> findXref(const QByteArray& pdf) {
    Xref xref;
    const qsizetype keyword = pdf.lastIndexOf("startxref");
    if (keyword < 0) return std::nullopt;
    qsizetype at = skipSpaces(pdf, keyword + 9);
    xref.startxrefNumber = at;
    const auto start = numberAt(pdf, at);
    if (!start || !pdf.mid(*start, 4).startsWith("xref")) return std::nullopt;
    xref.startxrefDigits = at - xref.startxrefNumber;
    xref.start = *start;
    at = skipSpaces(pdf, xref.start + 4);
    while (at < pdf.size() && isDigit(pdf[at])) {  // subsections "first count", then 20-byte entries
        if (!numberAt(pdf, at)) return std::nullopt;
        at = skipSpaces(pdf, at);
        const auto count = numberAt(pdf, at);
        if (!count) return std::nullopt;
        at = skipSpaces(pdf, at);
        for (qsizetype i = 0; i < *count; ++i, at += 20) {
            if (at + 20 > pdf.size() || pdf[at + 10] != ' ' || pdf[at + 16] != ' ') return std::nullopt;
            if (pdf[at + 17] == 'n') xref.offsetFields.push_back(at);
        }
        at = skipSpaces(pdf, at);
    }
    return xref;
}

// The creation and modification dates, whole, whatever time zone the writer wrote
// them in: their length differs between zones.
void fixDates(const QByteArray& pdf, std::vector<Edit>& edits) {
    for (const QByteArray& key : {QByteArray("/CreationDate"), QByteArray("/ModDate")}) {
        for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
            const qsizetype open = skipSpaces(pdf, at + key.size());
            const qsizetype close = pdf.indexOf(')', open);
            if (open >= pdf.size() || pdf[open] != '(' || close < 0) continue;
            edits.push_back({open, close + 1 - open, kFixedDate});
        }
    }
}

QByteArray nameAt(const QByteArray& pdf, qsizetype at) {
    qsizetype end = at;
    while (end < pdf.size() && !endsName(pdf[end])) ++end;
    return pdf.mid(at, end - at);
}

// A subset font's name carries a tag of six capitals and a plus sign. The writer
// tags the font descriptor's name but not the fonts' base names; readers look at
// the latter to tell a subset.
void tagBaseFonts(const QByteArray& pdf, std::vector<Edit>& edits) {
    QByteArrayList tagged;
    const QByteArray fontName = "/FontName /";
    for (qsizetype at = pdf.indexOf(fontName); at >= 0; at = pdf.indexOf(fontName, at + 1)) {
        const QByteArray name = nameAt(pdf, at + fontName.size());
        const bool isTagged = name.size() > 7 && name[6] == '+' &&
                              std::all_of(name.begin(), name.begin() + 6, [](char c) { return c >= 'A' && c <= 'Z'; });
        if (isTagged) tagged.append(name);
    }
    const QByteArray baseFont = "/BaseFont /";
    for (qsizetype at = pdf.indexOf(baseFont); at >= 0; at = pdf.indexOf(baseFont, at + 1)) {
        const qsizetype nameStart = at + baseFont.size();
        const QByteArray name = nameAt(pdf, nameStart);
        QByteArrayList matches;
        for (const QByteArray& t : tagged)
            if (t.mid(7) == name && !matches.contains(t)) matches.append(t);
        if (matches.size() == 1) edits.push_back({nameStart, 0, matches.front().left(7)});  // else unclear: left alone
    }
}

// Where the object's body starts, from the cross-reference offsets.
std::optional<qsizetype> objectAt(const QByteArray& pdf, const Xref& xref, qsizetype number) {
    const QByteArray head = QByteArray::number(number) + " 0 obj";
    for (const qsizetype field : xref.offsetFields) {
        const qsizetype offset = pdf.mid(field, 10).toLongLong();
        if (pdf.mid(offset, head.size()) == head) return offset + head.size();
    }
    return std::nullopt;
}

// The writer maps each glyph back to the lowest code point that reaches it, and a
// tab reaches the space glyph first: text copied from the page would hold tabs
// where the chart has spaces. The page's texts hold no tabs.
void spaceNotTab(const QByteArray& pdf, const Xref& xref, std::vector<Edit>& edits) {
    const QByteArray toUnicode = "/ToUnicode ";
    for (qsizetype at = pdf.indexOf(toUnicode); at >= 0; at = pdf.indexOf(toUnicode, at + 1)) {
        qsizetype p = at + toUnicode.size();
        const auto number = numberAt(pdf, p);
        if (!number) continue;
        const auto body = objectAt(pdf, xref, *number);
        if (!body) continue;
        const qsizetype stream = pdf.indexOf("stream", *body), end = pdf.indexOf("endstream", *body);
        if (stream < 0 || end < stream || pdf.mid(*body, stream - *body).contains("/Filter")) continue;
        // Destinations only: in "<lo> <hi> <dst>" and "<lo> <hi> [<dst>…]" of a range,
        // and in "<src> <dst>" of a char list.
        for (const auto& [begin, finish, sources] :
             {std::tuple{"beginbfrange", "endbfrange", 2}, std::tuple{"beginbfchar", "endbfchar", 1}}) {
            for (qsizetype section = pdf.indexOf(begin, stream); section >= 0 && section < end;
                 section = pdf.indexOf(begin, section + 1)) {
                const qsizetype sectionEnd = std::min(pdf.indexOf(finish, section), end);
                qsizetype line = pdf.indexOf('\n', section) + 1;
                while (line > 0 && line < sectionEnd) {
                    const qsizetype lineEnd = std::min(pdf.indexOf('\n', line), sectionEnd);
                    int strings = 0;
                    for (qsizetype s = pdf.indexOf('<', line); s >= 0 && s < lineEnd; s = pdf.indexOf('<', s + 1))
                        if (++strings > sources && pdf.mid(s, 6) == "<0009>") edits.push_back({s, 6, "<0020>"});
                    line = lineEnd + 1;
                }
            }
        }
    }
}

// The file with the edits made, the cross-reference offsets moved with them.
QByteArray applied(const QByteArray& pdf, std::vector<Edit> edits, const Xref& xref) {
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });
    const auto moved = [&](qsizetype old) {
        qsizetype to = old;
        for (const Edit& e : edits)
            if (e.at < old) to += e.with.size() - e.length;
        return to;
    };
    QByteArray out;
    out.reserve(pdf.size() + 256);
    qsizetype from = 0;
    for (const Edit& e : edits) {
        out += pdf.mid(from, e.at - from);
        out += e.with;
        from = e.at + e.length;
    }
    out += pdf.mid(from);
    for (const qsizetype field : xref.offsetFields) {
        const QByteArray offset = QByteArray::number(moved(pdf.mid(field, 10).toLongLong())).rightJustified(10, '0');
        out.replace(moved(field), 10, offset);
    }
    out.replace(moved(xref.startxrefNumber), xref.startxrefDigits, QByteArray::number(moved(xref.start)));
    return out;
}

// Calls f(index) for every hex digit inside the <...> strings of the /ID array.
template <typename F>
void forIdDigits(const QByteArray& pdf, qsizetype idAt, F f) {
    const qsizetype end = pdf.indexOf(']', idAt);
    bool inString = false;
    for (qsizetype at = idAt; at >= 0 && at < end; ++at) {
        if (pdf[at] == '<')
            inString = true;
        else if (pdf[at] == '>')
            inString = false;
        else if (inString && isHex(pdf[at]))
            f(at);
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
    const auto xref = findXref(pdf);
    std::vector<Edit> edits;
    fixDates(pdf, edits);
    tagBaseFonts(pdf, edits);
    if (xref) {
        spaceNotTab(pdf, *xref, edits);
        pdf = applied(pdf, std::move(edits), *xref);
    } else {
        // Without a cross-reference table to follow them, only edits that keep
        // every offset are made.
        std::erase_if(edits, [](const Edit& e) { return e.with.size() != e.length; });
        for (const Edit& e : edits) pdf.replace(e.at, e.length, e.with);
    }
    fixIdentifier(pdf);
    return pdf;
}

}  // namespace tellvane::plotdoc
