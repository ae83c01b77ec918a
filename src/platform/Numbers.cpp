#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace trajecta {

int roundEven(Extended value) {
    if (std::isnan(value)) return 0;
    // rint rounds as nearbyint does in the default mode, without the costly
    // save and restore of the floating-point environment: samples round by the thousand.
    const Extended r = std::rint(value);
    if (r >= static_cast<Extended>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<Extended>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

QString formatFixed(double value, int decimals, QChar separator) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    // The exact binary value, correctly rounded to twenty more digits than
    // needed: enough to see whether the value lies at or above a tie. to_chars
    // ignores the C locale, which the application may have set to the user's.
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed,
                                   decimals + 20)
                         .ptr;
    QByteArray digits(buffer, static_cast<qsizetype>(end - buffer));
    const int point = digits.indexOf('.');
    QByteArray whole = digits.left(point);
    QByteArray fraction = digits.mid(point + 1, decimals);
    const bool roundUp = digits.at(point + 1 + decimals) >= '5';
    QByteArray all = whole + fraction;
    if (roundUp) {
        int i = all.size() - 1;
        while (i >= 0 && all[i] == '9')
            all[i--] = '0';
        if (i >= 0)
            all[i] = static_cast<char>(all[i] + 1);
        else
            all.prepend('1');
    }
    whole = all.left(all.size() - decimals);
    fraction = all.right(decimals);
    const bool zero = all.count('0') == all.size();
    QString text = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(whole);
    if (decimals > 0) text += separator + QString::fromLatin1(fraction);
    return text;
}

std::optional<double> parseNumber(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    const int comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0 && !t.contains(QLatin1Char('.'))) t[comma] = QLatin1Char('.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> parseInteger(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (!(c.isDigit() || (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')))))
            return std::nullopt;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

QString textBetween(const QString& line, QChar open, QChar close) {
    const qsizetype from = line.indexOf(open);
    const qsizetype to = line.indexOf(close);
    if (from < 0 || to <= from) return {};
    return line.mid(from + 1, to - from - 1);
}

std::optional<int> integerBetween(const QString& line, QChar open, QChar close) {
    return parseInteger(textBetween(line, open, close));
}

std::optional<double> numberBetween(const QString& line, QChar open, QChar close) {
    return parseNumber(textBetween(line, open, close));
}

} // namespace trajecta
