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

// A menu's title on the menu bar: Alt and its first letter open it.
inline QString menuTitle(const QString& text) {
    return QLatin1Char('&') + shownText(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace trajecta
