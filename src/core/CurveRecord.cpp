#include "core/CurveRecord.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace trajecta {

namespace {

// The most samples the slider gives a part: sixteen such parts fill the
// sample table without passing its end.
constexpr int maxPartSamples = 60;

const QString separatorLine = QStringLiteral("-----");
const QString curveBlockHeader = QStringLiteral("=== Etape 2 et 3 ===");
const QString formatPrefix = QStringLiteral("format : ");
const QString framePrefix = QStringLiteral("cadre : ");
const QString closedYes = QStringLiteral("Fermer la courbe : oui");
const QString closedNo = QStringLiteral("Fermer la courbe : non");

QString percent(int value, int size, QChar separator) {
    return formatFixed(static_cast<double>(Extended(value) / size * 100), 5, separator);
}

// The four frame values after "cadre : ", each closed by a comma.
std::optional<FrameRect> readFrame(const QString& line) {
    const QStringList fields = line.mid(framePrefix.size()).split(QLatin1Char(','));
    if (fields.size() < 5) return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> v = parseInteger(fields[i].trimmed());
        if (!v) return std::nullopt;
        values[i] = *v;
    }
    return FrameRect{values[0], values[1], values[2], values[3]};
}

} // namespace

QStringList curveRecordStart(const QString& today, const QString& formatName, int workWidth, int workHeight) {
    return {QStringLiteral("Fait le ") + today,
            separatorLine,
            QStringLiteral("=== Etape 1 ==="),
            formatPrefix + formatName,
            QStringLiteral("taille : /%1x%2\\").arg(workWidth).arg(workHeight),
            separatorLine};
}

void removeCurveBlock(QStringList& record) {
    const qsizetype block = record.indexOf(curveBlockHeader, 1);
    if (block > 0) record.erase(record.begin() + block, record.end());
}

void writeCurveBlock(QStringList& record, const CurveDocument& doc, QChar separator) {
    const CurveGeometry& curve = doc.curve;
    const WorkflowState& w = doc.workflow;
    removeCurveBlock(record);
    record << curveBlockHeader << QStringLiteral("parties= /%1\\").arg(curve.partCount);
    for (int i = 0; i < usedPoints(curve); ++i) {
        const QPoint& p = curve.controlPoints[i];
        record << QStringLiteral("point %1 (%2x%3)  %[%4x%5]  Etat : /%6\\")
                      .arg(i + 1)
                      .arg(p.x())
                      .arg(p.y())
                      .arg(percent(p.x(), w.workWidth, separator), percent(p.y(), w.workHeight, separator))
                      .arg(curve.pointStates[i]);
    }
    if (doc.frame.framePresent) {
        const FrameRect& r = doc.frame.frameRect;
        record << framePrefix +
                      QStringLiteral("%1,%2,%3,%4,").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
    } else {
        record << framePrefix + QStringLiteral("---");
    }
    for (int p = 0; p < std::clamp(curve.partCount, 0, maxParts); ++p)
        record << QStringLiteral("partie (%1) [%2]").arg(p).arg(curve.partSampleCounts[p]);
    record << (curve.closedCurve ? closedYes : closedNo);
}

std::optional<RecordedCurve> readCurveRecord(const QStringList& lines, int previousPartCount,
                                             qsizetype* failedLine) {
    RecordedCurve curve;
    qsizetype i = 0;
    const auto fail = [&](qsizetype line) -> std::optional<RecordedCurve> {
        if (failedLine) *failedLine = std::min(line, lines.size());
        return std::nullopt;
    };
    const qsizetype start = lines.indexOf(separatorLine);
    if (start < 0) return fail(lines.size());
    if (start + 3 >= lines.size()) return fail(start + 3);
    curve.formatName = lines[start + 2].mid(formatPrefix.size());

    const QString& size = lines[start + 3];
    const std::optional<int> width = integerBetween(size, QLatin1Char('/'), QLatin1Char('x'));
    const qsizetype x = size.indexOf(QLatin1Char('x'));
    const std::optional<int> height =
        x < 0 ? std::nullopt : integerBetween(size.mid(x), QLatin1Char('x'), QLatin1Char('\\'));
    if (!width || !height) return fail(start + 3);
    curve.width = *width;
    curve.height = *height;

    i = start + 4;
    while (i < lines.size() && !lines[i].startsWith(QLatin1String("parties")))
        ++i;
    if (i == lines.size()) return fail(i);
    curve.partsLine = i;
    curve.partCount = integerBetween(lines[i], QLatin1Char('/'), QLatin1Char('\\'));
    const int parts = curve.partCount.value_or(previousPartCount);
    if (parts < 0 || parts > maxParts) return fail(i);

    for (++i; i < lines.size() && lines[i].startsWith(QLatin1String("point")); ++i) {
        const QString& line = lines[i];
        const std::optional<int> px = integerBetween(line, QLatin1Char('('), QLatin1Char('x'));
        const std::optional<int> py = integerBetween(line, QLatin1Char('x'), QLatin1Char(')'));
        const std::optional<int> state = integerBetween(line, QLatin1Char('/'), QLatin1Char('\\'));
        if (!px || !py || !state || curve.points.size() == maxMarkedPoints) return fail(i);
        curve.points.emplace_back(*px, *py);
        curve.states.push_back(*state);
    }

    if (i == lines.size() || lines[i].size() <= framePrefix.size()) return fail(i);
    curve.framePresent = lines[i].at(framePrefix.size()) != QLatin1Char('-');
    if (curve.framePresent) {
        const std::optional<FrameRect> frame = readFrame(lines[i]);
        if (!frame) return fail(i);
        curve.frame = *frame;
    }

    for (int p = 0; p < parts; ++p) {
        if (++i == lines.size()) return fail(i);
        const std::optional<int> k = integerBetween(lines[i], QLatin1Char('('), QLatin1Char(')'));
        const std::optional<int> samples = integerBetween(lines[i], QLatin1Char('['), QLatin1Char(']'));
        if (!k || !samples || *k < 0 || *k >= maxParts || *samples < 1 || *samples > maxPartSamples)
            return fail(i);
        curve.parts.emplace_back(*k, *samples);
    }

    if (++i == lines.size()) return fail(i);
    const QString& closed = lines[i];
    const qsizetype colon = closed.indexOf(QLatin1Char(':'));
    curve.closed = colon >= 0 && colon + 2 < closed.size() && closed.at(colon + 2) == QLatin1Char('o');
    return curve;
}

} // namespace trajecta
