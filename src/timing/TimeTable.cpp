#include "timing/TimeTable.h"

#include "document/CurveDocument.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace trajecta {

QString formatDuration(qint64 ms) {
    if (ms <= 999) return QString::number(ms) + QStringLiteral(" ms");
    const QString msPiece = QString::number(ms % 1000) + QStringLiteral(" ms ");
    const qint64 s = ms / 1000;
    if (s <= 59) return QString::number(s) + QStringLiteral(" s ") + msPiece;
    const QString sPiece = QString::number(s % 60) + QStringLiteral(" s ");
    const qint64 m = s / 60;
    if (m <= 59) return QString::number(m) + QStringLiteral(" min ") + sPiece + msPiece;
    return QString::number(m / 60) + QStringLiteral(" h ") + QString::number(m % 60) +
           QStringLiteral(" min ") + sPiece + msPiece;
}

int initialGap(int sampleCount) {
    return std::max(100, 5500 / std::max(sampleCount, 1));
}

qint64 absoluteWorking(const std::vector<KeypointTime>& times, int row) {
    const int last = std::min(row, static_cast<int>(times.size()) - 1);
    qint64 sum = 0;
    for (int i = 0; i <= last; ++i)
        sum += times[static_cast<size_t>(i)].inUse;
    return sum;
}

qint64 totalWorking(const std::vector<KeypointTime>& times) {
    return absoluteWorking(times, static_cast<int>(times.size()) - 1);
}

void fillRange(std::vector<KeypointTime>& times, int a, int b, int p, int q, bool geometric) {
    const int size = static_cast<int>(times.size());
    if (a < 0 || b <= a || b >= size) return;
    auto row = [&times](int i) -> int& { return times[static_cast<size_t>(i)].inUse; };
    if (p == q) {
        for (int i = a; i <= b; ++i)
            row(i) = p;
        return;
    }
    row(a) = p;
    row(b) = q;
    const int n = b - a;
    float v = static_cast<float>(p);
    if (geometric && p > 0 && q > 0) {
        const float r = toSingle(std::exp(std::log(Extended(q) / Extended(p)) / n));
        for (int i = a + 1; i < b; ++i) {
            v = v * r;
            row(i) = roundEven(v);
        }
    } else {
        const float d = toSingle(Extended(q - p) / n);
        for (int i = a + 1; i < b; ++i) {
            v = v + d;
            row(i) = roundEven(v);
        }
    }
}

std::optional<int> wholeNumber(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

namespace {
FieldVerdict judge(const QString& text, int limit) {
    if (text.isEmpty()) return FieldVerdict::Empty;
    const std::optional<int> value = wholeNumber(text);
    return value && *value <= limit ? FieldVerdict::Keep : FieldVerdict::Refuse;
}
} // namespace

FieldVerdict judgeFirstTime(const QString& text) {
    return judge(text, firstTimeLimit);
}
FieldVerdict judgeRangeTime(const QString& text) {
    return judge(text, rangeTimeLimit);
}

bool rangeKeyAccepted(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('\b');
}

QString firstTimeRecordLine(const QString& firstTimeText) {
    return QStringLiteral("temps 1er point: (") + firstTimeText + QLatin1Char(')');
}

QString rangeRecordLine(int a, int b, TimeMode mode) {
    return QStringLiteral("début/fin : (%1,%2) choix temps +%3").arg(a).arg(b).arg(static_cast<int>(mode));
}

QString timesRecordLine(const QString& p, const QString& q, bool geometric) {
    return QStringLiteral("temps : (") + p + QLatin1Char('/') + q + QStringLiteral(")  vitesse : -") +
           (geometric ? QStringLiteral("-1") : QStringLiteral("0"));
}

QStringList timeListing(const std::vector<KeypointTime>& times) {
    QStringList lines;
    refreshTimeListing(lines, times);
    return lines;
}

void refreshTimeListing(QStringList& listing, const std::vector<KeypointTime>& times) {
    const auto rows = static_cast<qsizetype>(times.size());
    if (listing.size() > rows) listing.erase(listing.begin() + rows, listing.end());
    listing.reserve(rows);
    char text[48] = "point ";
    for (qsizetype i = 0; i < rows; ++i) {
        char* end = std::to_chars(text + 6, std::end(text), i).ptr;
        *end++ = ' ';
        *end++ = ':';
        *end++ = ' ';
        end = std::to_chars(end, std::end(text), times[static_cast<size_t>(i)].committed).ptr;
        const QLatin1String line(text, end);
        if (i == listing.size())
            listing << QString(line);
        else if (listing.at(i) != line)
            listing[i] = line;
    }
}

void TimeListingMemo::refresh(QStringList& listing, const std::vector<KeypointTime>& times) {
    const auto sameTime = [](int shown, const KeypointTime& row) { return shown == row.committed; };
    if (listing.constData() == shown_.constData() && listing.size() == shown_.size() &&
        std::equal(committed_.begin(), committed_.end(), times.begin(), times.end(), sameTime))
        return;
    shown_.clear(); // so that the refresh writes the rows in place
    refreshTimeListing(listing, times);
    shown_ = listing;
    committed_.resize(times.size());
    std::transform(times.begin(), times.end(), committed_.begin(),
                   [](const KeypointTime& row) { return row.committed; });
}

QString keypointTimeText(const std::vector<KeypointTime>& times, int row) {
    const int own =
        row >= 0 && row < static_cast<int>(times.size()) ? times[static_cast<size_t>(row)].inUse : 0;
    return formatDuration(absoluteWorking(times, row)) + QStringLiteral(" / ") + QString::number(own) +
           QStringLiteral(" ms");
}

} // namespace trajecta
