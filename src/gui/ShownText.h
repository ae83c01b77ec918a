#pragma once

#include <QString>

namespace trajecta {

// Texts of the program break lines with a carriage return alone; Qt breaks
// them with a line feed.
inline QString shownText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace trajecta
