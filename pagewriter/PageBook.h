#pragma once
// A book: many plotted pages in one PDF file, written to the file as each page is
// drawn, so that memory does not follow the number of pages. Every page's texts
// share one embedded face: each glyph is named at its first use in the book, and
// the face is cut once, at the end, to the glyphs the book used. The file has an
// outline, page labels and a title, and the same pages always give the same bytes.

#include <memory>
#include <string>

#include "pagewriter/PageWriterOptions.h"
#include "platform/PlotDocument.h"

namespace tellvane::pagewriter {

class PageBook {
public:
    /// Starts the book that becomes path when finished; until then its bytes go to
    /// a file of a unique temporary name in the same folder. Fails with
    /// kOutputFailed when the folder cannot take it, kNoTypeface without the face.
    PageBook(const std::string& path, std::u16string title, PageWriterOptions options = {});
    /// Discards the book unless it was finished: an earlier file stays as it was.
    ~PageBook();
    PageBook(const PageBook&) = delete;
    PageBook& operator=(const PageBook&) = delete;

    /// Documents whose page, handed to OutputToFile (whatever the name), becomes the
    /// book's next page; CloseDocument fails as a page file's would.
    PlotDocumentFactory& pages();
    /// An outline entry at depth (0 the top, each depth under the last entry one
    /// above it) that leads to the next page added.
    void mark(int depth, std::u16string title);
    /// Pages added so far.
    int pageCount() const;
    /// Cuts and embeds the face, writes the page tree, outline and labels, syncs the
    /// file and puts it in place of path.
    void finish();

private:
    struct Writer;
    std::unique_ptr<Writer> writer_;
};

}  // namespace tellvane::pagewriter
