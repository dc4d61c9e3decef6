#pragma once
// What a PageDocument holds: its state, the set-up, the page as recorded and, once
// the page is handed over, its output. How a finished page is output is a part of
// its own, so that the same document serves a page file and a book's page.

#include <functional>
#include <memory>
#include <string>

#include "pagewriter/DisplayList.h"
#include "pagewriter/OutputJob.h"
#include "pagewriter/PageDocument.h"
#include "pagewriter/PageFormats.h"
#include "pagewriter/PageSetup.h"

namespace tellvane::pagewriter {

/// The page as OutputToFile hands it over, final from then on.
struct FinishedPage {
    DisplayList page;
    PageSetup setup;
    const TypefaceFiles* typeface;  ///< of the document's options
    PageFormat format;
    std::string file;  ///< the name OutputToFile was given, UTF-8
};

/// Starts the output of a finished page; the job tells its end and its failure.
using PageOutput = std::function<std::unique_ptr<OutputJob>(FinishedPage)>;

/// The face handed over as bytes, else read from its first file that exists.
std::shared_ptr<const Typeface> faceOf(const TypefaceFiles& typeface);

/// The output to the page's own file, in the background when the options ask.
PageOutput pageFileOutput(const PageWriterOptions& options);

struct PageDocument::Parts {
    enum class State { Created, Started, Output, Closed };

    std::shared_ptr<const PageWriterOptions> options;
    PageOutput output;
    State state = State::Created;
    PageSetup setup;
    DisplayList page;
    std::size_t typeface = 0;  // of the options' typefaces
    std::unique_ptr<OutputJob> job;
};

}  // namespace tellvane::pagewriter
