#include "timing/PresetMath.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace trajecta {

namespace {
int rowCount(const std::vector<KeypointTime>& times, const std::vector<int>& other) {
    return static_cast<int>(std::min(times.size(), other.size()));
}

int& working(std::vector<KeypointTime>& times, int row) {
    return times[static_cast<size_t>(row)].inUse;
}

int distanceAt(const std::vector<int>& distances, int row) {
    return distances[static_cast<size_t>(row)];
}

// e multiplied by r once per pixel of the step.
Extended growOver(Extended e, Extended r, int pixels) {
    for (int i = 0; i < pixels; ++i)
        e *= r;
    return e;
}

// The per-pixel ratio that takes `from` to `to` over `pixels`; 1 where no
// ratio exists (no path, or an end at 0).
Extended perPixelRatio(Extended from, Extended to, qint64 pixels) {
    if (pixels <= 0 || from <= 0 || to <= 0) return 1;
    return std::exp(std::log(to / from) / static_cast<Extended>(std::llabs(pixels)));
}
} // namespace

int integerDistance(int x0, int y0, int x1, int y1) {
    const qint64 dx = static_cast<qint64>(x1) - x0;
    const qint64 dy = static_cast<qint64>(y1) - y0;
    const qint64 s = dx * dx + dy * dy;
    qint64 r = (s + 1) / 2;
    for (int i = 0; i < 12 && r > 0; ++i)
        r = (r + s / r) / 2;
    return static_cast<int>(std::min<qint64>(r, INT32_MAX));
}

void measureDistances(const CurveGeometry& curve, TimePresetState& p) {
    const int count = std::clamp(curve.sampleCount, 0, maxSamplePoints);
    p.sampleDistances.assign(static_cast<size_t>(count), 0);
    p.distanceMin = 5000;
    p.distanceMax = 1;
    p.distanceSum = 0;
    for (int i = 1; i < count; ++i) {
        const SamplePoint& a = curve.samplePoints[static_cast<size_t>(i - 1)];
        const SamplePoint& b = curve.samplePoints[static_cast<size_t>(i)];
        const int d = integerDistance(a.x, a.y, b.x, b.y);
        p.sampleDistances[static_cast<size_t>(i)] = d;
        p.distanceSum += d;
        p.distanceMin = std::min(p.distanceMin, d);
        p.distanceMax = std::max(p.distanceMax, d);
    }
    p.distanceMin = std::max(p.distanceMin, 1);
}

int constantTimeCoarseMax(int sampleCount) {
    return 450000 / std::max(1, sampleCount - 1) / 20;
}

void applyConstantGap(std::vector<KeypointTime>& times, int gap) {
    for (size_t i = 1; i < times.size(); ++i)
        times[i].inUse = gap;
}

void applySpeedCoefficient(std::vector<KeypointTime>& times, const std::vector<int>& distances,
                           int distanceMin, int coefficient) {
    const Extended f = static_cast<Extended>(coefficient) / std::max(1, distanceMin);
    const int rows = rowCount(times, distances);
    for (int i = 1; i < rows; ++i)
        working(times, i) = std::max(1, roundEven(f * distanceAt(distances, i)));
}

int defaultSpeedCoefficient(const std::vector<int>& distances, int distanceMin, int sampleCount) {
    int coefficient = 10000;
    const Extended f = static_cast<Extended>(coefficient) / std::max(1, distanceMin);
    const int rows = std::min(sampleCount, static_cast<int>(distances.size()));
    qint64 sum = 0;
    for (int i = 1; i < rows; ++i)
        sum += std::max(1, roundEven(f * distanceAt(distances, i)));
    if (sum > 300000) coefficient = roundEven(300000.0L / sum * coefficient);
    return (coefficient / 20 + 1) * 20;
}

bool slowDownAtStart(std::vector<KeypointTime>& times, const std::vector<int>& distances, int k, int b) {
    const int count = rowCount(times, distances);
    if (k < 2 || k > count - 1) return false;
    const int v = working(times, k);
    working(times, 1) = roundEven(static_cast<Extended>(v) * b);
    const int c = working(times, k);
    qint64 path = 0;
    for (int i = 1; i <= k; ++i)
        path += distanceAt(distances, i);
    const Extended r = perPixelRatio(c, static_cast<Extended>(v) * b, path);
    Extended e = 1;
    for (int i = k; i >= 2; --i) {
        e = growOver(e, r, distanceAt(distances, i));
        working(times, i - 1) = roundEven(c * e);
    }
    return true;
}

bool slowDownAtEnd(std::vector<KeypointTime>& times, const std::vector<int>& distances, int k, int b) {
    const int count = rowCount(times, distances);
    if (k < 1 || k > count - 2) return false;
    const int last = count - 1;
    const int v = working(times, k);
    working(times, last) = roundEven(static_cast<Extended>(v) * b);
    const int c = working(times, k);
    const int top = working(times, last);
    qint64 path = 0;
    for (int j = k + 1; j <= last; ++j)
        path += distanceAt(distances, j);
    const Extended r = perPixelRatio(c, top, path);
    Extended e = 1;
    for (int j = k + 1; j <= last; ++j) {
        e = growOver(e, r, distanceAt(distances, j));
        working(times, j) = roundEven(c * e);
    }
    return true;
}

ProportionalSetup setupProportional(const std::vector<int>& snapshot) {
    int smallest = 10000;
    int largest = 0;
    for (size_t i = 1; i < snapshot.size(); ++i) {
        smallest = std::min(smallest, snapshot[i]);
        largest = std::max(largest, snapshot[i]);
    }
    ProportionalSetup s;
    s.offset = 5.0L / std::max(1, smallest);
    // A table of zero gaps has no longest gap to scale: it counts as 1 ms.
    s.max = 5000.0L / std::max(1, largest);
    qint64 total = snapshot.empty() ? 0 : snapshot[0];
    for (size_t i = 1; i < snapshot.size(); ++i)
        total += roundEven(snapshot[i] * s.max);
    if (total > 0) s.max = s.max * 300000 / total;
    s.step = (s.max - s.offset) / 100;
    return s;
}

Extended proportionalFactor(int coarse, int fine, Extended step) {
    return coarse * step + step / 30 * fine;
}

void applyProportional(std::vector<KeypointTime>& times, const std::vector<int>& snapshot, Extended factor,
                       Extended offset) {
    const int rows = rowCount(times, snapshot);
    for (int i = 1; i < rows; ++i)
        working(times, i) = std::max(0, roundEven(snapshot[static_cast<size_t>(i)] * factor + offset));
}

QString shortestGeneral(Extended value, QChar separator) {
    if (!std::isfinite(value)) return QString::number(static_cast<double>(value));
    if (value == 0) return QStringLiteral("0");
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    const size_t mantissaStart = negative ? 1 : 0;
    const size_t exponentMark = text.find('e');
    std::string digits;
    for (size_t i = mantissaStart; i < exponentMark; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(text.c_str() + exponentMark + 1);

    QString out = negative ? QStringLiteral("-") : QString();
    const QString d = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    if (exponent < -5 || exponent >= 15) {
        out += d.left(1);
        if (d.size() > 1) out += separator + d.mid(1);
        return out + QLatin1Char('E') + QString::number(exponent);
    }
    if (exponent < 0)
        return out + QLatin1Char('0') + separator + QString(-exponent - 1, QLatin1Char('0')) + d;
    const int whole = exponent + 1;
    if (d.size() <= whole) return out + d + QString(whole - d.size(), QLatin1Char('0'));
    return out + d.left(whole) + separator + d.mid(whole);
}

QString constantTimeRecordLine(int gap) {
    return QStringLiteral("constante de durée tous points : (%1)").arg(gap);
}

QString speedRecordLine(int coefficient, int distanceSum, int distanceMin, int distanceMax) {
    return QStringLiteral("PourCoef {%1}  SommeDistances (%2)  DistMini-DistMaxi [%3/%4]")
        .arg(coefficient)
        .arg(distanceSum)
        .arg(distanceMin)
        .arg(distanceMax);
}

QString proportionalRecordLine(Extended factor, Extended offset, Extended max, QChar separator) {
    return QStringLiteral("propo : (") + shortestGeneral(factor, separator) + QStringLiteral(")  [") +
           shortestGeneral(offset, separator) + QStringLiteral("]  {") + shortestGeneral(max, separator) +
           QLatin1Char('}');
}

QString slowDownRecordLine(bool atEnd, int k, int intensity) {
    return (atEnd ? QStringLiteral("Ralenti -fin : (") : QStringLiteral("Ralenti -début : (")) +
           QString::number(k) + QLatin1Char(',') + QString::number(intensity) + QLatin1Char(')');
}

} // namespace trajecta
