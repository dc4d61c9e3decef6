#include "pagewriter/PdfObjects.h"

#include <cstdint>
#include <stdexcept>

#include "pagewriter/Deflate.h"
#include "pagewriter/PdfNumbers.h"

namespace tellvane::pagewriter {

namespace {

// A streamed file is handed on in pieces of about this size.
constexpr std::size_t kPiece = 1 << 16;

// FNV-1a over the bytes from a given start value. The identifier only needs to
// differ between files and stay the same for the same file; no library at hand
// offers a 128-bit hash without bringing a cryptographic one along.
std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

}  // namespace

PdfObjects::PdfObjects() : hashes_{0xCBF29CE484222325ULL, 0x84222325CBF29CE4ULL} {
    // The comment of four bytes above 127 tells transfer programs the file is binary.
    out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

PdfObjects::PdfObjects(Sink sink) : PdfObjects() { sink_ = std::move(sink); }

void PdfObjects::begin(int number) {
    if (number < 1 || (!sink_ && number != static_cast<int>(offsets_.size()) + 1))
        throw std::logic_error("PDF objects out of order");
    const auto index = static_cast<std::size_t>(number - 1);
    if (index >= offsets_.size()) offsets_.resize(index + 1, 0);
    if (offsets_[index] != 0) throw std::logic_error("a PDF object written twice");
    offsets_[index] = flushed_ + out_.size();
    appendInteger(out_, number);
    out_ += " 0 obj\n";
}

void PdfObjects::end() {
    out_ += "\nendobj\n";
    if (sink_ && out_.size() >= kPiece) flush();
}

void PdfObjects::flush() {
    for (std::uint64_t& hash : hashes_) hash = fnv1a(out_, hash);
    sink_(out_);
    flushed_ += out_.size();
    out_.clear();
}

void PdfObjects::object(int number, std::string_view body) {
    begin(number);
    out_ += body;
    end();
}

void PdfObjects::stream(int number, std::string_view entries, std::string_view bytes) {
    const std::string packed = deflated(bytes);
    begin(number);
    out_ += "<< ";
    out_ += entries;
    out_ += " /Filter /FlateDecode /Length ";
    appendInteger(out_, static_cast<std::int64_t>(packed.size()));
    out_ += " >>\nstream\n";
    out_ += packed;
    out_ += "\nendstream";
    end();
}

std::string PdfObjects::finish(int catalogue, int info) {
    const std::size_t xref = flushed_ + out_.size();
    out_ += "xref\n0 ";
    appendInteger(out_, static_cast<std::int64_t>(offsets_.size() + 1));
    out_ += "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets_) {
        if (offset == 0) throw std::logic_error("a PDF object numbered but not written");
        std::string digits;
        appendInteger(digits, static_cast<std::int64_t>(offset));
        out_.append(10 - digits.size(), '0');
        out_ += digits;
        out_ += " 00000 n \n";
    }
    std::string id;
    for (const std::uint64_t seed : hashes_) {
        const std::uint64_t h = fnv1a(out_, seed);
        appendHex(id, static_cast<std::uint32_t>(h >> 32), 8);
        appendHex(id, static_cast<std::uint32_t>(h), 8);
    }
    out_ += "trailer\n<< /Size ";
    appendInteger(out_, static_cast<std::int64_t>(offsets_.size() + 1));
    out_ += " /Root ";
    appendInteger(out_, catalogue);
    out_ += " 0 R /Info ";
    appendInteger(out_, info);
    out_ += " 0 R /ID [<" + id + "> <" + id + ">] >>\nstartxref\n";
    appendInteger(out_, static_cast<std::int64_t>(xref));
    out_ += "\n%%EOF\n";
    if (!sink_) return std::move(out_);
    flush();
    return {};
}

std::string pdfTextString(std::u16string_view text) {
    std::string out = "<FEFF";
    for (const char16_t u : text) appendHex(out, u, 4);
    out += '>';
    return out;
}

}  // namespace tellvane::pagewriter
