#pragma once

#include <QString>
#include <optional>

namespace trajecta {

// Extended precision: the 80-bit x87 type on x86-64. Weighted sums and other
// intermediate values that must match to the last pixel are computed in it.
using Extended = long double;

// Rounds to the nearest integer, ties to even (the default floating-point
// rounding mode). Values beyond the 32-bit range saturate instead of
// overflowing, so a wild mouse position can never produce undefined results.
int roundEven(Extended value);

// A float round trip: the value as it would be stored in single precision.
inline float toSingle(Extended value) {
    return static_cast<float>(value);
}

// Fixed-point text with exactly `decimals` digits after `separator`, rounded
// half away from zero on the value's exact decimal expansion. A result that
// rounds to zero carries no minus sign.
QString formatFixed(double value, int decimals, QChar separator);

// Parses a real number typed by a user or read from a file: leading and
// trailing blanks are ignored and either "." or "," is taken as the decimal
// mark. Nothing is returned for empty or malformed text.
std::optional<double> parseNumber(const QString& text);

// Parses a whole decimal integer (optional sign, digits only) in the 32-bit range.
std::optional<int> parseInteger(const QString& text);

// The text between the first `open` and the first `close` of the whole line;
// empty when `open` is missing or does not stand before `close`. Every value
// of a record line is read this way.
QString textBetween(const QString& line, QChar open, QChar close);
// That text read as a whole number, or as a real number with "." or "," as
// decimal mark; nothing when it does not read.
std::optional<int> integerBetween(const QString& line, QChar open, QChar close);
std::optional<double> numberBetween(const QString& line, QChar open, QChar close);

} // namespace trajecta
