#pragma once
// How the viewer's actions fail: bad input, a choice the data cannot answer and a
// run-time error of the control (its number and description) each end in a message
// box, and the viewer carries on.

#include <exception>
#include <string>

#include "common/Error.h"
#include "common/Text.h"
#include "platform/MessageBox.h"
#include "records/InputError.h"
#include "records/YearSelection.h"

namespace tellvane::viewer {

/// The title of the viewer's own message boxes.
inline const std::u16string kViewerTitle = u"Tellvane viewer";

/// Runs the action; true when it returned, false after a message box when it failed.
template <typename Action>
bool attempt(MessageBox& box, Action&& action) {
    std::string text;
    try {
        action();
        return true;
    } catch (const Error& e) {
        text = "Run-time error " + std::to_string(e.number()) + ":\n" + e.description();
    } catch (const InputError& e) {
        text = std::string("Cannot read the data:\n") + e.what();
    } catch (const SelectionError& e) {
        text = std::string("Cannot draw this choice:\n") + e.what();
    } catch (const std::exception& e) {  // e.g. a folder that cannot be listed
        text = e.what();
    }
    box.show(fromUtf8(text), kViewerTitle, kCriticalOk);
    return false;
}

}  // namespace tellvane::viewer
