#pragma once
// The frame of a PDF file: numbered objects, the cross-reference table that says
// where each begins, and the trailer with an identifier derived from the contents,
// so that the same page always gives the same bytes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tellvane::pagewriter {

class PdfObjects {
public:
    /// Where a streamed file's bytes go, in order.
    using Sink = std::function<void(std::string_view)>;

    /// Starts a PDF 1.4 file held whole until finish.
    PdfObjects();
    /// Starts a PDF 1.4 file whose bytes go to the sink in pieces as objects are
    /// added, so that a file of many pages is never held whole; its objects may come
    /// in any order.
    explicit PdfObjects(Sink sink);

    /// Appends object number `number` (in a file held whole objects come in the
    /// order of their numbers, from 1) with the body as it stands.
    void object(int number, std::string_view body);
    /// Appends a stream object: the dictionary's entries (without << >> and
    /// /Length) and the stream's bytes, compressed with FlateDecode.
    void stream(int number, std::string_view entries, std::string_view bytes);
    /// Ends the file with the catalogue and information objects given, and returns
    /// it (a streamed file's rest goes to the sink, and nothing is returned).
    std::string finish(int catalogue, int info);

private:
    void begin(int number);
    void end();
    // Hands the bytes so far to the sink, the identifier's hashes fed with them.
    void flush();

    Sink sink_;
    std::string out_;
    std::size_t flushed_ = 0;  // bytes handed to the sink
    std::uint64_t hashes_[2];
    std::vector<std::size_t> offsets_;  // by number from 1; 0 for a number not yet written
};

/// A PDF text string of UTF-16 text: big-endian with a byte order mark, in hexadecimal.
std::string pdfTextString(std::u16string_view text);

}  // namespace tellvane::pagewriter
