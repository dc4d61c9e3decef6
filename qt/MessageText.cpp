#include "qt/MessageText.h"

namespace tellvane {

QString messageText(const std::u16string& text) {
    QString s = QString::fromStdU16String(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace tellvane
