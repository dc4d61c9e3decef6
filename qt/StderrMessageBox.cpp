#include "qt/StderrMessageBox.h"

#include <cstdio>

#include "qt/MessageText.h"

namespace tellvane {

void StderrMessageBox::show(const std::u16string& prompt, const std::u16string& title, int) {
    const QByteArray text = (messageText(title) + QLatin1Char('\n') + messageText(prompt) + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    std::fflush(stderr);
}

}  // namespace tellvane
