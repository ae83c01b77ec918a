#include "host/KeypointList.h"

#include "core/Messages.h"
#include "document/CurveDocument.h"
#include "document/KeypointBlock.h"
#include "host/ObjectText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
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
// own decimal mark; blanks around it are ignored. Read without building a
// string: every keypoint's angle is read when the object is turned over.
std::optional<double> readAngle(QStringView text, QChar decimalSeparator) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('+'))) text = text.sliced(1);
    std::array<char, 64> bytes;
    if (text.isEmpty() || text.size() > static_cast<qsizetype>(bytes.size())) return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',') || c == decimalSeparator)
            bytes[static_cast<size_t>(i)] = '.';
        else if (c.unicode() < 128)
            bytes[static_cast<size_t>(i)] = static_cast<char>(c.unicode());
        else
            return std::nullopt;
    }
    const char* end = bytes.data() + text.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(bytes.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// `degrees` added to every Angle line of result.lines, in place: the list is
// copied once by the caller, never once more here.
ListResult turnAngles(ListResult& result, double degrees, QChar decimalSeparator) {
    for (int c = 0; c < blockCount(result.lines); ++c) {
        QString& line = result.lines[keypointLine(c, KeypointLine::Angle)];
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QStringView text = equals < 0 ? QStringView() : QStringView(line).sliced(equals + 1);
        const std::optional<double> angle = readAngle(text, decimalSeparator);
        if (!angle) {
            ListResult bad = refused(ListFault::AngleNotANumber);
            bad.block = c;
            bad.badText = text.toString();
            return bad;
        }
        line = QStringLiteral("  Angle=") + formatNumber(*angle + degrees);
    }
    return std::move(result);
}

} // namespace

bool oneBlockPerKeypoint(const QStringList& list, const std::vector<int>& gaps) {
    return !gaps.empty() && list.size() == keypointBlockLines * static_cast<qsizetype>(gaps.size());
}

ListResult addToAngles(const QStringList& list, double degrees, QChar decimalSeparator) {
    if (list.size() % keypointBlockLines != 0) return refused(ListFault::NotOneBlockPerKeypoint);
    ListResult result;
    result.lines = list;
    return turnAngles(result, degrees, decimalSeparator);
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
    ListResult turned = turnAngles(result, 180, decimalSeparator);
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
        result.lines[keypointLine(d, KeypointLine::Header)] = keyPointHeader(d + 1);
        if (!retime) continue;
        result.lines[keypointLine(d, KeypointLine::Time)] = timeLine(t);
        if (d + 1 < kept) t += gapBefore(gaps, atStart + d + 1, reversed);
    }
    return result;
}

QString refusalMessage(ListFault fault, int block, const QString& badText, int language) {
    static const TextPair notOnePerKeypoint{
        QStringLiteral("La liste des points-clés ne correspond pas à la courbe : rien n'a été changé"),
        QStringLiteral("The keypoint list does not match the curve: nothing has been changed")};
    static const TextPair angleNotANumber{
        QStringLiteral("L'angle du point-clé %1 n'est pas un nombre : \"%2\". Rien n'a été changé"),
        QStringLiteral("The angle of keypoint %1 is not a number: \"%2\". Nothing has been changed")};
    static const TextPair nothingLeft{
        QStringLiteral("Il doit rester au moins un point-clé : rien n'a été changé"),
        QStringLiteral("At least one keypoint must remain: nothing has been changed")};
    switch (fault) {
    case ListFault::None:
        return QString();
    case ListFault::NotOneBlockPerKeypoint:
        return notOnePerKeypoint.in(language);
    case ListFault::AngleNotANumber:
        return angleNotANumber.in(language).arg(QString::number(block + 1), badText);
    case ListFault::NothingLeft:
        return nothingLeft.in(language);
    }
    return QString();
}

std::vector<int> keypointGaps(const CurveDocument& doc) {
    const int n = std::clamp(doc.curve.sampleCount, 0, maxSamplePoints);
    std::vector<int> gaps;
    gaps.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        gaps.push_back(doc.curve.samplePoints[static_cast<size_t>(i)].time);
    return gaps;
}

ListResult reversedInForce(const CurveDocument& doc, QChar decimalSeparator) {
    return reverseKeypoints(doc.lists.LbxListeKP, keypointGaps(doc), doc.extras.turnedOver, decimalSeparator);
}

} // namespace trajecta
