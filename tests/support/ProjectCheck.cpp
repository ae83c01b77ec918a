#include "app/CurveApply.h"
#include "curvefile/CurveFileText.h"
#include "document/KeypointBlock.h"
#include "host/ObjectText.h"
#include "support/ProjectGenerator.h"
#include "timing/TimeTable.h"

#include <QRegularExpression>
#include <cmath>
#include <memory>

namespace trajecta {

namespace {

// The windows a saved project is loaded in besides its own.
const std::array<QSize, 3> otherWindows{QSize(1264, 680), QSize(1366, 768), QSize(1920, 1050)};

// How far a position may move when the curve is rescaled to another work
// area. The point and the frame are rounded to whole pixels there: the point
// moves by up to three pixels of the smaller area, and the frame's half size
// by up to one and a half, which moves a point far outside the frame by that
// share of its distance. Both in percent of the half size of the frame (or of
// the work area without one), as positions are written.
struct Slack {
    double fixed = 0;    // percent
    double relative = 0; // of the position's own value
};
Slack positionSlack(const CurveDocument& saved, const CurveDocument& other) {
    const FrameRect& f = saved.frame.frameRect;
    const WorkflowState& w = saved.workflow;
    const double half = saved.frame.framePresent ? std::min(f.right - f.left, f.bottom - f.top) / 2.0
                                                 : std::min(w.workWidth, w.workHeight) / 2.0;
    const double pixels = std::max(1.0, half * std::min(1.0, double(other.workflow.workWidth) / w.workWidth));
    return {300.0 / pixels, 1.5 / pixels};
}

QString valueOf(const QString& line) {
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

bool near(const QString& a, const QString& b, Slack slack) {
    const QStringList x = a.split(QLatin1Char(',')), y = b.split(QLatin1Char(','));
    if (x.size() != y.size()) return false;
    for (qsizetype i = 0; i < x.size(); ++i) {
        const double u = x[i].toDouble(), v = y[i].toDouble();
        if (!(std::abs(u - v) <= slack.fixed + slack.relative * std::abs(u))) return false;
    }
    return true;
}

// The labels, fields and records of a finished project against its times,
// its keypoint list and its object.
QStringList disagreements(UserSession& u) {
    QStringList faults;
    const CurveDocument& doc = u.doc();
    const QStringList& list = doc.lists.LbxListeKP;
    const int count = doc.curve.sampleCount;
    if (list.size() != qsizetype(keypointBlockLines) * count)
        return {QStringLiteral("keypoint list of %1 lines for %2 keypoints").arg(list.size()).arg(count)};
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const QString& header = list[keypointLine(i, KeypointLine::Header)];
        if (header.trimmed() != keyPointHeader(i + 1))
            faults << QStringLiteral("keypoint %1 is headed %2").arg(i).arg(header);
        total += doc.timing.keypointTimes[size_t(i)].committed;
        if (valueOf(list[keypointLine(i, KeypointLine::Time)]) != QString::number(total))
            faults << QStringLiteral("keypoint %1: %2, the times add up to %3")
                          .arg(i)
                          .arg(list[keypointLine(i, KeypointLine::Time)])
                          .arg(total);
    }
    // The notice of the copy counts the keypoints the clipboard holds.
    const QString copied =
        QStringLiteral("Objet copié : %1 points-clés").arg(u.clipboard().count("object KeyPoint"));
    if (!u.c().showing(QStringLiteral("LblObjetCopie")) ||
        u.caption(QStringLiteral("LblObjetCopie")) != copied)
        faults << QStringLiteral("the copy notice says \"%1\", not \"%2\"")
                      .arg(u.caption(QStringLiteral("LblObjetCopie")), copied);
    const QString first = QString::number(doc.timing.keypointTimes[0].committed);
    if (u.c().get(QStringLiteral("EdtTemps1st")).text != first)
        faults << QStringLiteral("EdtTemps1st shows %1, the first time is %2")
                      .arg(u.c().get(QStringLiteral("EdtTemps1st")).text, first);
    if (doc.lists.LbxColTemps.value(1) != QStringLiteral("temps 1er point: (%1)").arg(first))
        faults << QStringLiteral("time record: %1, the first time is %2")
                      .arg(doc.lists.LbxColTemps.value(1), first);
    if (u.caption(QStringLiteral("LblTempsTotalVue")) != formatDuration(total) ||
        !u.caption(QStringLiteral("LblTempsMiniVueFinal")).endsWith(formatDuration(total)))
        faults << QStringLiteral("the total shows %1, the times add up to %2")
                      .arg(u.caption(QStringLiteral("LblTempsTotalVue")))
                      .arg(total);
    const int records =
        int(doc.lists.LbxColParametres.filter(QRegularExpression(QStringLiteral("^Début-Fin"))).size());
    if (records != doc.parameters.parameterRecordCount ||
        u.caption(QStringLiteral("LblQpara")) != QString::number(records))
        faults << QStringLiteral("%1 parameter records, LblQpara shows %2")
                      .arg(records)
                      .arg(u.caption(QStringLiteral("LblQpara")));
    // The object on the clipboard holds the keypoint list as its entries.
    const QStringList object = splitClipboardText(u.clipboard());
    qsizetype at = 0;
    while (at < object.size() && object[at].trimmed() != list[0].trimmed())
        ++at;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (at + i >= object.size() || object[at + i].trimmed() != list[i].trimmed()) {
            faults << QStringLiteral("the object differs from the keypoint list at its line %1").arg(i);
            break;
        }
    return faults;
}

std::unique_ptr<UserSession> loaded(QSize window, const QString& objectIn, const QString& path) {
    auto u = std::make_unique<UserSession>(window);
    u->loadObject(objectIn);
    u->answer(path);
    u->click(QStringLiteral("LblChargerFichier"));
    return u;
}

// Every line of a keypoint list loaded at another size against the saved
// one: the times exact, the positions within the rescale's rounding, the rest
// exact but for the angles where a record follows the tangent, which is
// measured on the rescaled pixels.
QStringList rescaledDifferences(const QStringList& saved, const QStringList& other, bool tangent,
                                Slack slack) {
    if (saved.size() != other.size())
        return {QStringLiteral("%1 keypoint lines, saved %2").arg(other.size()).arg(saved.size())};
    for (qsizetype i = 0; i < saved.size(); ++i) {
        const int offset = int(i % keypointBlockLines);
        if (tangent && offset == offsetOf(KeypointLine::Angle)) continue;
        if (offset == offsetOf(KeypointLine::Position) ? !near(valueOf(saved[i]), valueOf(other[i]), slack)
                                                       : saved[i] != other[i])
            return {QStringLiteral("line %1: %2, saved %3").arg(i).arg(other[i], saved[i])};
    }
    return {};
}

// The first line where two texts differ, for the message.
QString firstDifference(const QString& what, const QString& got, const QString& expected) {
    const QStringList a = got.split(QLatin1Char('\n')), b = expected.split(QLatin1Char('\n'));
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return QStringLiteral("%1 differs at line %2 of %5: \"%3\", expected \"%4\"")
        .arg(what)
        .arg(i + 1)
        .arg(a.value(i).trimmed(), b.value(i).trimmed())
        .arg(a.size());
}

} // namespace

QStringList finishedProjectFaults(UserSession& u, const QString& objectIn, const QString& path, bool rescaled,
                                  const QString& newObject) {
    QStringList faults = disagreements(u);
    u.answer(path);
    u.answer(QStringLiteral("yes"));
    u.click(QStringLiteral("LblEnregistrerCourbe"));
    u.fakes.answers.clear();
    const std::optional<QByteArray> bytes = readWholeFile(path);
    if (!bytes) return faults << QStringLiteral("the project was not saved");
    const QStringList file = decodeCurveFile(*bytes);
    const QStringList& list = u.doc().lists.LbxListeKP;

    const std::unique_ptr<UserSession> same = loaded(u.windowSize, objectIn, path);
    if (same->step() != Step::Finished)
        return faults << QStringLiteral("the saved project does not load: ") + same->fakes.log.join(' ');
    if (!newObject.isEmpty()) same->readNewObject(newObject);
    if (same->doc().lists.LbxListeKP != list)
        faults << firstDifference(QStringLiteral("loaded, the keypoint list"),
                                  same->doc().lists.LbxListeKP.join('\n'), list.join('\n'));
    // The records come back too; parameter values come back in general number
    // form ("12,50" as "12,5"), so that record is compared by its count.
    for (const QString& name : {QStringLiteral("LbxCollecter"), QStringLiteral("LbxColTemps")})
        if (*same->doc().lists.find(name) != *u.doc().lists.find(name))
            faults << firstDifference(QStringLiteral("loaded, ") + name,
                                      same->doc().lists.find(name)->join('\n'),
                                      u.doc().lists.find(name)->join('\n'));
    if (same->clipboard() != u.clipboard())
        faults << firstDifference(QStringLiteral("loaded, the object"), same->clipboard(), u.clipboard());
    for (const QString& d : disagreements(*same))
        faults << QStringLiteral("loaded: ") + d;

    for (const QSize& window : otherWindows) {
        if (!rescaled || window == u.windowSize) continue;
        const std::unique_ptr<UserSession> other = loaded(window, objectIn, path);
        const QString where = QStringLiteral("loaded at %1x%2: ").arg(window.width()).arg(window.height());
        if (other->step() != Step::Finished) {
            faults << where + QStringLiteral("does not load");
            continue;
        }
        const bool tangent =
            !u.doc().lists.LbxColParametres.filter(QStringLiteral("avec angle : Oui")).isEmpty();
        for (const QString& d : rescaledDifferences(list, other->doc().lists.LbxListeKP, tangent,
                                                    positionSlack(u.doc(), other->doc())))
            faults << where + d;
    }

    if (!newObject.isEmpty()) return faults;
    const AppliedCurve applied = applyCurve(file, objectIn);
    if (applied.objectText != u.clipboard())
        faults << firstDifference(QStringLiteral("applied without a window, the object"), applied.objectText,
                                  u.clipboard()) +
                      applied.error;
    return faults;
}

} // namespace trajecta

namespace trajecta {

QStringList extrasFaults(UserSession& u, const ProjectGenerator::ExtrasChoices& choices,
                         const QString& objectIn, const QString& path) {
    QStringList faults;
    choices.apply(u);
    const CurveDocument& doc = u.doc();
    const int kept = choices.remove ? doc.extras.keptCount : doc.curve.sampleCount;
    static const QRegularExpression header(QStringLiteral("^\\s*object KeyPoint(\\d+):KeyPoint$"));
    const QStringList object = splitClipboardText(u.clipboard());
    int blocks = 0;
    qint64 last = -1;
    for (qsizetype i = 0; i < object.size(); ++i) {
        const QRegularExpressionMatch m = header.match(object[i]);
        if (!m.hasMatch()) continue;
        if (m.captured(1).toInt() != ++blocks)
            faults << QStringLiteral("Extras: keypoint %1 numbered %2").arg(blocks).arg(m.captured(1));
        const qint64 time = valueOf(object.value(i + 1)).toLongLong();
        if (!object.value(i + 1).trimmed().startsWith(QLatin1String("Time=")) || time < last)
            faults << QStringLiteral("Extras: keypoint %1 at %2 after %3")
                          .arg(blocks)
                          .arg(object.value(i + 1))
                          .arg(last);
        last = time;
    }
    if (blocks != kept)
        faults << QStringLiteral("Extras: %1 keypoints on the clipboard, %2 kept").arg(blocks).arg(kept);
    // The same choices on the project loaded again give the same object.
    u.answer(path);
    u.answer(QStringLiteral("yes"));
    u.click(QStringLiteral("LblEnregistrerCourbe"));
    u.fakes.answers.clear();
    const std::unique_ptr<UserSession> same = loaded(u.windowSize, objectIn, path);
    if (same->step() != Step::Finished)
        return faults << QStringLiteral("Extras: the saved project does not load");
    choices.apply(*same);
    if (same->clipboard() != u.clipboard())
        faults << firstDifference(QStringLiteral("Extras on the loaded project: the object"),
                                  same->clipboard(), u.clipboard());
    return faults;
}

} // namespace trajecta
