#include "curvefile/CurveFileCheck.h"

#include "platform/Numbers.h"
#include "timing/TimeLog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace trajecta {

namespace {

// Positions and sizes beyond any screen; the mouse never gives more either.
constexpr int maxCoordinate = 32767;

const QString parameterHeader = QString::fromUtf8(parameterLogHeader);
const QString recordEnd = QString::fromLatin1(parameterLogSeparator);

bool coordinate(int v) {
    return v >= -maxCoordinate && v <= maxCoordinate;
}

bool knownState(int s) {
    const int code = s >= alignedCode ? s - alignedCode : s;
    return code >= InnerAnchor && code <= LastPoint && s < 2 * alignedCode;
}

// The first line of the curve record that breaks a limit, or -1.
qsizetype curveLimitBroken(const RecordedCurve& curve, int partCount, qsizetype sizeLine) {
    if (curve.width < 1 || curve.width > maxCoordinate || curve.height < 1 || curve.height > maxCoordinate)
        return sizeLine;
    const int points = int(curve.points.size());
    if (partCount < 1 || points != 3 * partCount + 1) return curve.partsLine;
    for (int i = 0; i < points; ++i) {
        const QPoint& p = curve.points[size_t(i)];
        if (!coordinate(p.x()) || !coordinate(p.y()) || !knownState(curve.states[size_t(i)]))
            return curve.partsLine + 1 + i;
    }
    // A frame is placed at least minFrameSide each way, its corners in order.
    const FrameRect& f = curve.frame;
    if (curve.framePresent &&
        !(coordinate(f.left) && coordinate(f.top) && coordinate(f.right) && coordinate(f.bottom) &&
          f.right - f.left >= minFrameSide && f.bottom - f.top >= minFrameSide))
        return curve.partsLine + 1 + points;
    return -1;
}

// The parameter log, which the program always writes right after the time
// records: its header, the "---" that opens it, and a "---" closing every
// record. The first line that is not where it belongs (the number of lines
// when the file ends first), or -1.
qsizetype parameterLogMissing(const QStringList& lines, qsizetype at, const ParameterLog& log) {
    const qsizetype size = lines.size();
    const qsizetype header = lines.indexOf(parameterHeader, 1);
    if (header >= 0 && header < at) return header;
    if (at >= size || lines[at] != parameterHeader) return at;
    if (at + 1 >= size || lines[at + 1] != recordEnd) return at + 1;
    // Only the last record can lack its "---": any other runs up to the next one.
    if (!log.records.empty() && lines.indexOf(recordEnd, log.records.back().line + 1) < 0) return size;
    return -1;
}

bool opacity(const QString& text) {
    const int v = text.toInt();
    return v >= 0 && v <= 100;
}

// The first parameter line that cannot be replayed, or -1. A record must
// change at least one parameter, as every record made in the parameter step does.
qsizetype parameterLineBroken(const ParameterLog& log) {
    if (!log.readable) return log.failedLine;
    for (const LoggedRecord& record : log.records) {
        bool changes = false;
        for (const LoggedLine& line : record.lines) {
            if (line.number < 1 || line.number > parameterCount) continue;
            const std::optional<LoggedValues> values = readLoggedValues(line, QLatin1Char('.'));
            if (!values) return line.line;
            if (line.number == 1 && !(opacity(values->start) && opacity(values->end))) return line.line;
            changes = true;
        }
        if (!changes) return record.line;
    }
    return -1;
}

} // namespace

int formatItem(const QStringList& items, const QString& name, int width, int height) {
    const int exact = int(items.indexOf(name));
    if (exact >= 0) return exact;
    const double wanted = double(width) / height;
    int best = 0;
    double bestGap = std::numeric_limits<double>::infinity();
    for (int i = 0; i < items.size(); ++i) {
        const QStringList sides = items[i].split(QLatin1Char('/'));
        const std::optional<int> w = sides.size() == 2 ? parseInteger(sides[0]) : std::nullopt;
        const std::optional<int> h = sides.size() == 2 ? parseInteger(sides[1]) : std::nullopt;
        if (!w || !h || *h == 0) continue;
        const double gap = std::abs(double(*w) / *h - wanted);
        if (gap < bestGap) {
            bestGap = gap;
            best = i;
        }
    }
    return best;
}

CheckedCurveFile checkCurveFile(const QStringList& lines, int previousPartCount) {
    CheckedCurveFile checked;
    const auto fail = [&](qsizetype line) {
        checked.error = CurveFileError{std::min(line, lines.size())};
        return checked;
    };
    CurveFileContent& content = checked.content;
    qsizetype failed = 0;
    std::optional<RecordedCurve> curve = readCurveRecord(lines, previousPartCount, &failed);
    if (!curve) return fail(failed);
    content.curve = std::move(*curve);
    content.sizeLine = lines.indexOf(QStringLiteral("-----")) + 3;
    const int parts = content.curve.partCount.value_or(previousPartCount);
    const qsizetype broken = curveLimitBroken(content.curve, parts, content.sizeLine);
    if (broken >= 0) return fail(broken);
    std::array<int, maxParts> samples{};
    for (const auto& [k, m] : content.curve.parts)
        samples[size_t(k)] = m;
    content.sampleCount = 1;
    for (int p = 0; p < parts; ++p) {
        // A part that no part line gave samples to cannot be sampled.
        if (samples[size_t(p)] < 1)
            return fail(content.curve.partsLine + 1 + qsizetype(content.curve.points.size()) + 1 + p);
        content.sampleCount += samples[size_t(p)];
    }

    const qsizetype header = lines.indexOf(timeLogHeader, content.curve.partsLine);
    if (header < 0) return fail(lines.size());
    content.firstTime = recordedFirstTime(lines.value(header + 1));
    qsizetype timeEnd = 0;
    const qsizetype timeFailed =
        readTimeRecords(lines, header + 2, content.sampleCount, content.times, timeEnd);
    if (timeFailed >= 0) return fail(timeFailed);

    content.parameters = readParameterLog(lines, content.sampleCount);
    const qsizetype logMissing = parameterLogMissing(lines, timeEnd, content.parameters);
    if (logMissing >= 0) return fail(logMissing);
    const qsizetype parameterFailed = parameterLineBroken(content.parameters);
    if (parameterFailed >= 0) return fail(parameterFailed);
    return checked;
}

} // namespace trajecta
