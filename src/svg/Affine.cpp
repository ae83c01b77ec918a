#include "svg/Affine.h"

#include "svg/TextCursor.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace trajecta::svg {

double Affine::stretch() const {
    // For M = [a c; b d]: s² = (T + sqrt(T² - 4 det²)) / 2, T the sum of squares.
    const double t = a * a + b * b + c * c + d * d;
    const double det = a * d - b * c;
    return std::sqrt((t + std::sqrt(std::max(0.0, t * t - 4 * det * det))) / 2);
}

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

Affine rotation(double degrees) {
    const double r = radians(degrees);
    return {std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
}

// One transform from its name and arguments; nothing for a wrong count.
std::optional<Affine> transformOf(QStringView name, const std::vector<double>& v) {
    const size_t n = v.size();
    if (name == u"matrix" && n == 6) return Affine{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (name == u"translate" && (n == 1 || n == 2)) return Affine{1, 0, 0, 1, v[0], n == 2 ? v[1] : 0};
    if (name == u"scale" && (n == 1 || n == 2)) return Affine{v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0};
    if (name == u"rotate" && n == 1) return rotation(v[0]);
    if (name == u"rotate" && n == 3)
        return Affine{1, 0, 0, 1, v[1], v[2]} * rotation(v[0]) * Affine{1, 0, 0, 1, -v[1], -v[2]};
    if (name == u"skewX" && n == 1) return Affine{1, 0, std::tan(radians(v[0])), 1, 0, 0};
    if (name == u"skewY" && n == 1) return Affine{1, std::tan(radians(v[0])), 0, 1, 0, 0};
    return std::nullopt;
}

} // namespace

std::optional<Affine> parseTransform(QStringView text) {
    if (text.trimmed() == u"none") return Affine{};
    TextCursor cursor(text);
    Affine result;
    cursor.skipSpaces();
    while (!cursor.atEnd()) {
        const qsizetype start = cursor.position();
        while (!cursor.atEnd() && cursor.peek().isLetter())
            cursor.advance();
        const QStringView name = text.mid(start, cursor.position() - start);
        cursor.skipSpaces();
        if (!cursor.take(QLatin1Char('('))) return std::nullopt;
        std::vector<double> values;
        cursor.skipSpaces();
        while (cursor.atNumber() && values.size() < 6) {
            double value = 0;
            if (!cursor.number(value)) return std::nullopt;
            values.push_back(value);
            cursor.skipSeparator();
        }
        if (!cursor.take(QLatin1Char(')'))) return std::nullopt;
        const std::optional<Affine> one = transformOf(name, values);
        if (!one) return std::nullopt;
        result = result * *one;
        cursor.skipSeparator();
    }
    return result;
}

} // namespace trajecta::svg
