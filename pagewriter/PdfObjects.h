#pragma once
// The frame of a PDF file: numbered objects, the cross-reference table that says
// where each begins, and the trailer with an identifier derived from the contents,
// so that the same page always gives the same bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tellvane::pagewriter {

class PdfObjects {
public:
    /// Starts a PDF 1.4 file.
    PdfObjects();

    /// Appends object number `number` (objects come in the order of their numbers,
    /// from 1) with the body as it stands.
    void object(int number, std::string_view body);
    /// Appends a stream object: the dictionary's entries (without << >> and
    /// /Length) and the stream's bytes, compressed with FlateDecode.
    void stream(int number, std::string_view entries, std::string_view bytes);
    /// Ends the file with the catalogue and information objects given, and returns it.
    std::string finish(int catalogue, int info);

private:
    void begin(int number);

    std::string out_;
    std::vector<std::size_t> offsets_;
};

/// A PDF text string of UTF-16 text: big-endian with a byte order mark, in hexadecimal.
std::string pdfTextString(std::u16string_view text);

}  // namespace tellvane::pagewriter
