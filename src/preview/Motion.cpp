#include "preview/Motion.h"

#include "core/KeypointPosition.h"
#include "document/CurveDocument.h"
#include "document/KeypointBlock.h"
#include "host/KeypointList.h"
#include "host/ObjectText.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace trajecta {

namespace {

int blockCount(const QStringList& keypoints) {
    return static_cast<int>(keypoints.size() / keypointBlockLines);
}

bool holdsBlocks(const QStringList& keypoints, int count) {
    return count > 0 && keypoints.size() == qsizetype(keypointBlockLines) * count;
}

// The list the keypoint step writes: positions from the curve, times summed
// from the committed column, every other value the loaded object's.
QStringList keypointsFromCurve(const CurveDocument& doc) {
    const int n = std::clamp(doc.curve.sampleCount, 0, maxSamplePoints);
    const std::vector<KeypointTime>& times = doc.timing.keypointTimes;
    QStringList list;
    list.reserve(keypointBlockLines * n);
    qint64 t = 0;
    for (int k = 0; k < n; ++k) {
        const SamplePoint& point = doc.curve.samplePoints[static_cast<size_t>(k)];
        if (k < static_cast<int>(times.size()))
            t += times[static_cast<size_t>(k)].committed;
        else
            t += k == 0 ? doc.host.firstKeypointTime : point.time;
        const auto [x, y] = keypointPosition(doc, point);
        list += keyPointBlock(k + 1, t, positionLine(x, y), doc.host.keyPointDefaults);
    }
    return list;
}

QString valueOf(const QString& line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

double numberOr(const QString& text, double fallback) {
    const std::optional<double> v = parseNumber(text);
    return v && std::isfinite(*v) ? *v : fallback;
}

// "X,Y" of a Position or CenterPos line; the host writes "." as decimal mark.
void pairOf(const QString& line, double& x, double& y) {
    const QString value = valueOf(line);
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    x = numberOr(comma < 0 ? value : value.left(comma), 0);
    y = comma < 0 ? 0 : numberOr(value.mid(comma + 1), 0);
}

std::optional<qint64> timeOf(const QString& line) {
    bool ok = false;
    const qint64 t = valueOf(line).trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(t) : std::nullopt;
}

double between(double a, double b, double f) {
    return a + (b - a) * f;
}

} // namespace

QStringList keypointsInForce(const CurveDocument& doc, QChar decimalSeparator) {
    const int n = std::clamp(doc.curve.sampleCount, 0, maxSamplePoints);
    const NamedLists& lists = doc.lists;
    if (doc.workflow.currentStep == Step::Finished && doc.host.writtenMode == WrittenList::Partial &&
        holdsBlocks(lists.LbxListeKPpartielle, blockCount(lists.LbxListeKPpartielle)))
        return lists.LbxListeKPpartielle;
    if (!doc.workflow.objectTextBuilt || !holdsBlocks(lists.LbxListeKP, n)) return keypointsFromCurve(doc);
    if (doc.extras.reversedActive) {
        ListResult reversed = reversedInForce(doc, decimalSeparator);
        if (reversed.ok()) return reversed.lines;
        // An angle that does not read refuses the transfer too; what the
        // clipboard last received is the best account of the motion.
        if (holdsBlocks(lists.LbxKPinverse, n)) return lists.LbxKPinverse;
    }
    return lists.LbxListeKP;
}

std::vector<PathKeypoint> readPath(const QStringList& keypoints) {
    const int n = blockCount(keypoints);
    std::vector<PathKeypoint> path;
    path.reserve(static_cast<size_t>(n));
    qint64 time = 0;
    for (int k = 0; k < n; ++k) {
        auto line = [&](KeypointLine which) -> const QString& { return keypoints[keypointLine(k, which)]; };
        if (const std::optional<qint64> t = timeOf(line(KeypointLine::Time))) time = std::max(time, *t);
        PathKeypoint p;
        p.time = time;
        KeypointValues& v = p.values;
        pairOf(line(KeypointLine::Position), v.x, v.y);
        pairOf(line(KeypointLine::CenterPos), v.centreX, v.centreY);
        v.opacity = numberOr(valueOf(line(KeypointLine::Opacity)), 100);
        v.angle = numberOr(valueOf(line(KeypointLine::Angle)), 0);
        v.scaleX = numberOr(valueOf(line(KeypointLine::ScaleX)), 100);
        v.scaleY = numberOr(valueOf(line(KeypointLine::ScaleY)), 100);
        path.push_back(p);
    }
    return path;
}

qint64 pathDuration(const QStringList& keypoints) {
    const int n = blockCount(keypoints);
    if (n == 0) return 0;
    return std::max<qint64>(0, timeOf(keypoints[keypointLine(n - 1, KeypointLine::Time)]).value_or(0));
}

KeypointValues valuesAt(const std::vector<PathKeypoint>& path, qint64 t) {
    if (path.empty()) return {};
    // The keypoint in force: the last one whose time has come.
    const auto next = std::upper_bound(path.begin(), path.end(), t,
                                       [](qint64 time, const PathKeypoint& p) { return time < p.time; });
    if (next == path.begin()) return path.front().values;
    if (next == path.end()) return path.back().values;
    const PathKeypoint& a = *(next - 1);
    const PathKeypoint& b = *next;
    const double f = static_cast<double>(t - a.time) / static_cast<double>(b.time - a.time);
    const KeypointValues &u = a.values, &w = b.values;
    KeypointValues v;
    v.x = between(u.x, w.x, f);
    v.y = between(u.y, w.y, f);
    v.opacity = between(u.opacity, w.opacity, f);
    v.angle = between(u.angle, w.angle, f);
    v.scaleX = between(u.scaleX, w.scaleX, f);
    v.scaleY = between(u.scaleY, w.scaleY, f);
    v.centreX = between(u.centreX, w.centreX, f);
    v.centreY = between(u.centreY, w.centreY, f);
    return v;
}

ReferenceFrame referenceFrame(const CurveDocument& doc) {
    if (doc.frame.framePresent) {
        const FrameRect& f = doc.frame.frameRect;
        return {f.left, f.top, f.right - f.left, f.bottom - f.top};
    }
    return {0, 0, doc.workflow.workWidth, doc.workflow.workHeight};
}

ObjectState objectState(const KeypointValues& v, const ReferenceFrame& frame) {
    ObjectState s;
    // The inverse of the keypoint position: the centre as the writer takes it
    // (integer halves), the half sizes as real numbers.
    const double cx = frame.left + frame.width / 2;
    const double cy = frame.top + frame.height / 2;
    s.pivotX = cx + v.x * (frame.width / 2.0) / 100.0;
    s.pivotY = cy + v.y * (frame.height / 2.0) / 100.0;
    s.width = std::abs(frame.width / 10.0 * v.scaleX / 100.0);
    s.height = std::abs(frame.height / 10.0 * v.scaleY / 100.0);
    s.angle = v.angle;
    s.opacity = std::clamp(v.opacity, 0.0, 100.0);
    // The pivot lies at the centre values from the object's middle; the
    // middle is where the turned object puts it back.
    const QPointF toMiddle = QTransform().rotate(v.angle).map(
        QPointF(-v.centreX / 100.0 * s.width / 2, -v.centreY / 100.0 * s.height / 2));
    s.x = s.pivotX + toMiddle.x();
    s.y = s.pivotY + toMiddle.y();
    return s;
}

QTransform markerTransform(const ObjectState& s) {
    return QTransform().translate(s.x, s.y).rotate(s.angle);
}

QPolygonF markerCorners(const ObjectState& s) {
    const double w = s.width / 2, h = s.height / 2;
    return markerTransform(s).map(
        QPolygonF({QPointF(-w, -h), QPointF(w, -h), QPointF(w, h), QPointF(-w, h)}));
}

QString objectName(const QStringList& objectText) {
    for (const QString& line : objectText) {
        if (!line.startsWith(QLatin1String("object "))) continue;
        const QString rest = line.mid(7);
        const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
        return colon < 0 ? rest : rest.left(colon);
    }
    return {};
}

} // namespace trajecta
