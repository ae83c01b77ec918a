#include "core/SvgExchange.h"

#include "core/CurveView.h"
#include "core/Editor.h"
#include "core/Messages.h"
#include "core/Workflow.h"
#include "document/ControlIds.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "svg/PathImport.h"
#include "svg/SvgWriter.h"

#include <QFileInfo>
#include <cmath>

namespace trajecta {

namespace {

const QString svgFilter = QStringLiteral("SVG (*.svg)");
const QString svgSuffix = QStringLiteral("svg");

const TextPair notSvg{QStringLiteral("Ce fichier n'est pas un dessin SVG lisible."),
                      QStringLiteral("This file is not a readable SVG drawing.")};
const TextPair tooLarge{QStringLiteral("Le fichier dépasse 16 Mo : il n'est pas lu."),
                        QStringLiteral("The file is larger than 16 MB: it is not read.")};
const TextPair entities{
    QStringLiteral("Le fichier déclare des entités qui grossiraient sans limite : il n'est pas lu."),
    QStringLiteral("The file declares entities that would grow without bound: it is not read.")};
const TextPair noPath{QStringLiteral("Le dessin n'a aucun tracé (<path>)."),
                      QStringLiteral("The drawing has no path (<path>).")};
const TextPair whichPath{QStringLiteral("Le dessin a plusieurs tracés : lequel devient la courbe ?"),
                         QStringLiteral("The drawing has several paths: which one becomes the curve?")};
const TextPair pathNumber{QStringLiteral("tracé %1"), QStringLiteral("path %1")};
const TextPair badData{QStringLiteral("Le tracé « %1 » ne se lit pas au caractère %2."),
                       QStringLiteral("The path “%1” does not read at character %2.")};
const TextPair badTransform{QStringLiteral("Une transformation du tracé « %1 » ne se lit pas."),
                            QStringLiteral("A transform of the path “%1” does not read.")};
const TextPair noSegment{QStringLiteral("Le tracé « %1 » n'a aucun segment."),
                         QStringLiteral("The path “%1” has no segment.")};
const TextPair tooManyParts{QStringLiteral("Le tracé « %1 » a %2 parties ; une courbe en a %3 au plus."),
                            QStringLiteral("The path “%1” has %2 parts; a curve has at most %3.")};
const TextPair tooFar{QStringLiteral("Le tracé « %1 » va trop loin hors de la zone de travail."),
                      QStringLiteral("The path “%1” reaches too far outside the work area.")};
const TextPair firstSubpath{
    QStringLiteral("Le tracé « %1 » a %2 sous-tracés : seul le premier devient la courbe."),
    QStringLiteral("The path “%1” has %2 subpaths: only the first becomes the curve.")};

// Each path by its id; one without, or whose id an earlier one has, by its number.
QStringList pathNames(const svg::SvgDrawing& drawing, int language) {
    QStringList names;
    for (const svg::SvgPath& path : drawing.paths) {
        const QString number = pathNumber.in(language).arg(names.size() + 1);
        names << (path.id.isEmpty() || names.contains(path.id) ? number : path.id);
    }
    return names;
}

QString readRefusal(const svg::SvgDrawing& drawing, const QString& path, int language) {
    using Error = svg::SvgDrawing::Error;
    switch (drawing.error) {
    case Error::None:
        return drawing.paths.empty() ? noPath.in(language) : QString();
    case Error::Unreadable:
        return Messages::notRead.in(language).arg(path, drawing.reason);
    case Error::TooLarge:
        return tooLarge.in(language);
    case Error::Entities:
        return entities.in(language);
    case Error::NotSvg:
        break;
    }
    return notSvg.in(language);
}

// The codes of a curve just marked, aligned at every smooth join and, as on
// a curve just stopped, at the two ends of an open curve.
void assignImportedStates(CurveGeometry& curve, const svg::ImportedPath& imported) {
    const int n = curve.controlPointCount;
    auto& s = curve.pointStates;
    for (int i = 0; i < n; ++i)
        s[i] = i == 0       ? FirstPoint
               : i == n - 1 ? LastPoint
               : i % 3 == 1 ? FirstHandle
               : i % 3 == 2 ? SecondHandle
                            : InnerAnchor;
    const int parts = curve.partCount;
    for (int k = 0; k <= parts; ++k) {
        const bool end = k == 0 || k == parts;
        if (!imported.smooth[size_t(k)] && !(end && !imported.closed)) continue;
        for (int i = 3 * k - 1; i <= 3 * k + 1; ++i)
            if (i >= 0 && i < n) s[i] += alignedCode;
    }
}

} // namespace

SvgExchange::SvgExchange(Context& ctx, Workflow& workflow, CurveView& view)
    : ctx_(ctx), workflow_(workflow), view_(view) {
    ctx_.controls.onClick(ids::LblImporterSvg, [this] { importSvg(); });
    ctx_.controls.onClick(ids::LblExporterSvg, [this] { exportSvg(); });
}

void SvgExchange::importSvg() {
    const CurveDocument& doc = ctx_.doc;
    if (!doc.workflow.markingActive || doc.curve.controlPointCount > 0) return;
    const std::optional<QString> file = ctx_.services.files.openFile(svgFilter);
    if (!file || file->isEmpty()) return;
    const int language = ctx_.language();
    MessageService& messages = ctx_.services.messages;
    const svg::SvgDrawing drawing = svg::readSvgFile(*file);
    if (const QString why = readRefusal(drawing, *file, language); !why.isEmpty()) {
        messages.warning(why);
        return;
    }
    const QStringList names = pathNames(drawing, language);
    const std::optional<int> index = choosePath(names);
    if (!index) return;
    const QString& name = names[*index];
    const QSizeF area(doc.workflow.workWidth, doc.workflow.workHeight);
    const svg::ImportedPath imported =
        svg::importPath(drawing.paths[size_t(*index)], drawing.viewport, area, maxParts);
    if (const QString why = refusal(imported, name); !why.isEmpty()) {
        messages.warning(why);
        return;
    }
    if (!placeCurve(imported)) {
        messages.warning(tooFar.in(language).arg(name));
        return;
    }
    if (imported.subpathCount > 1)
        messages.information(firstSubpath.in(language).arg(name).arg(imported.subpathCount));
}

std::optional<int> SvgExchange::choosePath(const QStringList& names) {
    if (names.size() == 1) return 0;
    return ctx_.services.messages.choose(whichPath.in(ctx_.language()), names);
}

QString SvgExchange::refusal(const svg::ImportedPath& imported, const QString& name) const {
    const int language = ctx_.language();
    using Error = svg::ImportedPath::Error;
    switch (imported.error) {
    case Error::None:
        return {};
    case Error::BadData:
        return badData.in(language).arg(name).arg(imported.errorAt + 1);
    case Error::BadTransform:
        return badTransform.in(language).arg(name);
    case Error::NoSegment:
        return noSegment.in(language).arg(name);
    case Error::TooManyParts:
        break;
    }
    return tooManyParts.in(language).arg(name).arg(imported.partCount).arg(maxParts);
}

bool SvgExchange::placeCurve(const svg::ImportedPath& imported) {
    std::vector<QPoint> points;
    for (const QPointF& p : imported.points) {
        if (!withinMouseLimit(p.x()) || !withinMouseLimit(p.y())) return false;
        points.emplace_back(roundEven(p.x()), roundEven(p.y()));
    }
    CurveDocument& doc = ctx_.doc;
    CurveGeometry& curve = doc.curve;
    WorkflowState& w = doc.workflow;
    std::copy(points.begin(), points.end(), curve.controlPoints.begin());
    curve.controlPointCount = int(points.size());
    curve.partCount = imported.partCount;
    for (int k = 0; k < curve.partCount; ++k)
        curve.partSampleCounts[size_t(k)] = curve.defaultPartSamples;
    curve.sampleCount = 1 + curve.partCount * curve.defaultPartSamples;
    curve.partSelected.fill(false);
    curve.allPartsSelected = false;
    assignImportedStates(curve, imported);
    w.curveExists = true;
    w.timesValid = false;
    // The drawing's joins and closing stay as they are, as those of a curve
    // stopped before do.
    w.curveStopped = true;
    ctx_.controls.setChecked(ids::ChBxFermerCourbe, imported.closed);
    view_.sampleCurve();
    view_.redrawCurve();
    workflow_.stopMarking();
    return true;
}

void SvgExchange::exportSvg() {
    const CurveDocument& doc = ctx_.doc;
    const CurveGeometry& curve = doc.curve;
    if (!doc.workflow.curveExists || curve.partCount < 1 || doc.workflow.markingActive) return;
    svg::CurvePicture picture;
    picture.area = QSize(doc.workflow.workWidth, doc.workflow.workHeight);
    picture.points.assign(curve.controlPoints.begin(), curve.controlPoints.begin() + usedPoints(curve));
    picture.closed = curve.closedCurve;
    if (const FrameRect& r = doc.frame.frameRect; doc.frame.framePresent)
        picture.frame = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    for (int i = 0; i < std::clamp(curve.sampleCount, 0, maxSamplePoints); ++i)
        picture.samples.emplace_back(curve.samplePoints[size_t(i)].x, curve.samplePoints[size_t(i)].y);

    const int language = ctx_.language();
    std::optional<QString> path = ctx_.services.files.saveFile(svgFilter);
    if (!path || path->isEmpty()) return;
    if (QFileInfo(*path).suffix().isEmpty()) *path += QLatin1Char('.') + svgSuffix;
    if (QFileInfo::exists(*path) &&
        ctx_.services.messages.yesNo(Messages::fileExists.in(language)) != MessageAnswer::Yes)
        return;
    const QString why = writeFileAtomically(*path, svg::writeSvg(picture));
    if (!why.isEmpty()) ctx_.services.messages.warning(Messages::notWritten.in(language).arg(*path, why));
}

} // namespace trajecta
