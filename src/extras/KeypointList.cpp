#include "extras/KeypointList.h"

#include "host/KeypointBlock.h"
#include "host/ObjectText.h"
#include "platform/Numbers.h"

#include <optional>

namespace trajecta {

namespace {

int blockCount(const QStringList& list) {
    return static_cast<int>(list.size() / keypointBlockLines);
}

ListResult refused(ListFault fault) {
    ListResult result;
    result.fault = fault;
    return result;
}

// An angle as the host or this system wrote it, with ".", "," or the user's
// own decimal mark.
std::optional<double> readAngle(const QString& text, QChar decimalSeparator) {
    QString local = text;
    if (decimalSeparator != QLatin1Char('.') && decimalSeparator != QLatin1Char(','))
        local.replace(decimalSeparator, QLatin1Char('.'));
    return parseNumber(local);
}

QString headerLine(int number) {
    return QStringLiteral("object KeyPoint%1:KeyPoint").arg(number);
}

} // namespace

bool oneBlockPerKeypoint(const QStringList& list, const std::vector<int>& gaps) {
    return !gaps.empty() && list.size() == keypointBlockLines * static_cast<qsizetype>(gaps.size());
}

ListResult addToAngles(const QStringList& list, double degrees, QChar decimalSeparator) {
    if (list.size() % keypointBlockLines != 0) return refused(ListFault::NotOneBlockPerKeypoint);
    ListResult result;
    result.lines = list;
    for (int c = 0; c < blockCount(list); ++c) {
        QString& line = result.lines[keypointLine(c, KeypointLine::Angle)];
        const int equals = static_cast<int>(line.indexOf(QLatin1Char('=')));
        const QString text = equals < 0 ? QString() : line.mid(equals + 1);
        const std::optional<double> angle = readAngle(text, decimalSeparator);
        if (!angle) {
            ListResult bad = refused(ListFault::AngleNotANumber);
            bad.block = c;
            bad.badText = text;
            return bad;
        }
        line = QStringLiteral("  Angle=") + formatNumber(*angle + degrees);
    }
    return result;
}

ListResult reverseKeypoints(const QStringList& list, const std::vector<int>& gaps, bool turnOver,
                            QChar decimalSeparator) {
    if (!oneBlockPerKeypoint(list, gaps)) return refused(ListFault::NotOneBlockPerKeypoint);
    const int n = blockCount(list);
    ListResult result;
    result.lines = list;
    qint64 t = gaps[0];
    for (int a = 0; a < n; ++a) {
        const int s = n - 1 - a;
        result.lines[keypointLine(a, KeypointLine::Time)] = timeLine(t);
        for (const KeypointLine moved : {KeypointLine::Position, KeypointLine::Angle})
            result.lines[keypointLine(a, moved)] = list.at(keypointLine(s, moved));
        t += gaps[static_cast<size_t>(s)];
    }
    if (!turnOver) return result;
    ListResult turned = addToAngles(result.lines, 180, decimalSeparator);
    if (!turned.ok()) turned.block = n - 1 - turned.block; // the keypoint as `list` numbers it
    return turned;
}

ListResult keepBlocks(const QStringList& list, const std::vector<int>& gaps, int atStart, int atEnd,
                      bool retime, bool reversed) {
    if (!oneBlockPerKeypoint(list, gaps)) return refused(ListFault::NotOneBlockPerKeypoint);
    const int n = blockCount(list);
    const int kept = n - atStart - atEnd;
    if (atStart < 0 || atEnd < 0 || kept < 1) return refused(ListFault::NothingLeft);
    ListResult result;
    result.lines = list.mid(keypointLine(atStart, KeypointLine::Header), keypointBlockLines * kept);
    qint64 t = gaps[0];
    for (int d = 0; d < kept; ++d) {
        result.lines[keypointLine(d, KeypointLine::Header)] = headerLine(d + 1);
        if (!retime) continue;
        result.lines[keypointLine(d, KeypointLine::Time)] = timeLine(t);
        if (d + 1 < kept) t += gapBefore(gaps, atStart + d + 1, reversed);
    }
    return result;
}

} // namespace trajecta
