#include "timing/TimeLog.h"

#include "platform/Numbers.h"
#include "timing/TimeTable.h"

#include <algorithm>

namespace trajecta {

bool measuresThePath(const TimeRecord& record) {
    using K = TimeRecord::Kind;
    return record.kind == K::ConstantSpeed || record.kind == K::SlowDownStart ||
           record.kind == K::SlowDownEnd;
}

std::optional<int> recordedFirstTime(const QString& line) {
    const std::optional<int> first = integerBetween(line, QLatin1Char('('), QLatin1Char(')'));
    if (first && *first >= 0 && *first <= firstTimeLimit &&
        line == firstTimeRecordLine(QString::number(*first)))
        return first;
    return std::nullopt;
}

qsizetype readTimeRecords(const QStringList& lines, qsizetype from, int sampleCount,
                          std::vector<TimeRecord>& records, qsizetype& end) {
    const qsizetype size = lines.size();
    const int lastRow = sampleCount - 1;
    qsizetype i = from;
    for (; i < size && !lines[i].startsWith(QLatin1Char('=')); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        TimeRecord r;
        r.line = i;
        const QChar kind = line.at(0).toLower();
        if (kind == QLatin1Char('d')) {
            const qsizetype plus = line.indexOf(QLatin1Char('+'));
            const QChar digit = plus >= 0 && plus + 1 < line.size() ? line.at(plus + 1) : QChar();
            if (!digit.isDigit()) return i;
            const int choice = digit.digitValue();
            if (choice > 2) {
                r.kind = TimeRecord::Kind::Unknown;
                records.push_back(r);
                ++i;
                continue;
            }
            const std::optional<int> a = integerBetween(line, QLatin1Char('('), QLatin1Char(','));
            const std::optional<int> b = integerBetween(line, QLatin1Char(','), QLatin1Char(')'));
            if (!a || !b || *a < 1 || *b <= *a || *b > lastRow) return i;
            r.first = *a;
            r.last = *b;
            if (++i == size) return i;
            const QString& next = lines[i];
            if (choice == 0) {
                r.kind = TimeRecord::Kind::Range;
                const std::optional<int> ta = integerBetween(next, QLatin1Char('('), QLatin1Char('/'));
                const std::optional<int> tb = integerBetween(next, QLatin1Char('/'), QLatin1Char(')'));
                if (!ta || !tb || *ta < 1 || *ta > maxKeypointTime || *tb < 1 || *tb > maxKeypointTime)
                    return i;
                r.startTime = *ta;
                r.endTime = *tb;
                const qsizetype minus = next.indexOf(QLatin1Char('-'));
                r.speedUp =
                    !(minus >= 0 && minus + 1 < next.size() && next.at(minus + 1) == QLatin1Char('0'));
            } else if (choice == 1) {
                r.kind = TimeRecord::Kind::ConstantTime;
                const std::optional<int> d = integerBetween(next, QLatin1Char('('), QLatin1Char(')'));
                // A gap of 0 would put every keypoint at the same time.
                if (!d || *d < 1 || *d > maxRecordedGap) return i;
                r.gap = *d;
            } else {
                r.kind = TimeRecord::Kind::ConstantSpeed;
                const std::optional<int> k = integerBetween(next, QLatin1Char('{'), QLatin1Char('}'));
                const std::optional<int> d = integerBetween(next, QLatin1Char('('), QLatin1Char(')'));
                if (!k || !d || *k < 0 || *k > maxRecordedGap || *d < 0) return i;
                r.coefficient = *k;
            }
        } else if (kind == QLatin1Char('p')) {
            r.kind = TimeRecord::Kind::Proportional;
            const std::optional<double> f1 = numberBetween(line, QLatin1Char('('), QLatin1Char(')'));
            const std::optional<double> f2 = numberBetween(line, QLatin1Char('['), QLatin1Char(']'));
            const std::optional<double> f3 = numberBetween(line, QLatin1Char('{'), QLatin1Char('}'));
            if (!f1 || !f2 || !f3 || *f1 < 0) return i;
            r.factor = *f1;
            r.offset = *f2;
            r.maximum = *f3;
        } else if (kind == QLatin1Char('r')) {
            const std::optional<int> e = integerBetween(line, QLatin1Char('('), QLatin1Char(','));
            const std::optional<int> g = integerBetween(line, QLatin1Char(','), QLatin1Char(')'));
            if (!e || !g || *e < 1 || *e > lastRow || *g < 1 || *g > maxSlowDownStrength) return i;
            const qsizetype minus = line.indexOf(QLatin1Char('-'));
            const bool atEnd =
                minus >= 0 && minus + 1 < line.size() && line.at(minus + 1) == QLatin1Char('f');
            r.kind = atEnd ? TimeRecord::Kind::SlowDownEnd : TimeRecord::Kind::SlowDownStart;
            r.extent = *e;
            r.strength = *g;
        } else {
            continue;
        }
        records.push_back(r);
    }
    end = std::min(i, size);
    return -1;
}

} // namespace trajecta
