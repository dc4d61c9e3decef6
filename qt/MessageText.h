#pragma once
// A message's text as it is shown: the control ends its lines with CR LF.

#include <QString>
#include <string>

namespace tellvane {

/// The UTF-16 text with every CR LF (and a lone CR) made a line feed.
QString messageText(const std::u16string& text);

}  // namespace tellvane
