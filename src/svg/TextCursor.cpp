#include "svg/TextCursor.h"

#include <charconv>
#include <cmath>
#include <string>

namespace trajecta::svg {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool TextCursor::take(QChar c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
}

void TextCursor::skipSpaces() {
    while (!atEnd()) {
        const char16_t c = text_[pos_].unicode();
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') return;
        ++pos_;
    }
}

void TextCursor::skipSeparator() {
    skipSpaces();
    if (take(QLatin1Char(','))) skipSpaces();
}

bool TextCursor::atNumber() const {
    const QChar c = peek();
    return isDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('.');
}

bool TextCursor::number(double& value) {
    const qsizetype start = pos_;
    qsizetype end = start;
    const auto digitsFrom = [&](qsizetype at) {
        while (at < text_.size() && isDigit(text_[at]))
            ++at;
        return at;
    };
    if (end < text_.size() && (text_[end] == QLatin1Char('-') || text_[end] == QLatin1Char('+'))) ++end;
    const qsizetype whole = end;
    end = digitsFrom(end);
    bool digits = end > whole;
    if (end < text_.size() && text_[end] == QLatin1Char('.')) {
        const qsizetype fraction = end + 1;
        const qsizetype after = digitsFrom(fraction);
        digits = digits || after > fraction;
        end = after;
    }
    if (!digits) return false;
    bool negativeExponent = false;
    if (end < text_.size() && (text_[end] == QLatin1Char('e') || text_[end] == QLatin1Char('E'))) {
        qsizetype at = end + 1;
        if (at < text_.size() && (text_[at] == QLatin1Char('-') || text_[at] == QLatin1Char('+'))) {
            negativeExponent = text_[at] == QLatin1Char('-');
            ++at;
        }
        const qsizetype after = digitsFrom(at);
        // "1e" is the number 1 followed by something else.
        if (after > at)
            end = after;
        else
            negativeExponent = false;
    }
    // from_chars reads no leading '+', and does not depend on the locale.
    std::string ascii;
    ascii.reserve(std::size_t(end - start));
    for (qsizetype i = start; i < end; ++i)
        if (text_[i] != QLatin1Char('+') || i != start) ascii.push_back(char(text_[i].unicode()));
    double parsed = 0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (ec == std::errc::result_out_of_range) {
        if (!negativeExponent) return false;
        parsed = 0;
    } else if (ec != std::errc() || ptr != ascii.data() + ascii.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    pos_ = end;
    return true;
}

bool TextCursor::flag(bool& value) {
    const QChar c = peek();
    if (c != QLatin1Char('0') && c != QLatin1Char('1')) return false;
    value = c == QLatin1Char('1');
    ++pos_;
    return true;
}

} // namespace trajecta::svg
