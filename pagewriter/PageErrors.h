#pragma once
// The page writer's own error numbers, above the control's, so that a host can tell
// a refused value or a failed output from a fault of the chart.

namespace tellvane::pagewriter {

enum PageError : int {
    kSetupRefused = 1101,    ///< a set-up value the document cannot honour
    kDrawingRefused = 1102,  ///< a drawing value outside what the document accepts
    kOutOfOrder = 1103,      ///< an operation in the wrong state of the document
    kOutputFailed = 1104,    ///< the file could not be written (a missing glyph among the reasons)
    kNoTypeface = 1105,      ///< no file of the default typeface was found
};

/// The summary of kOutputFailed when the page's file is to blame, which the error names.
inline constexpr const char* kNotWritten = "The plot file could not be written";

}  // namespace tellvane::pagewriter
