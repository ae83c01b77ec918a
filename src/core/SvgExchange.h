#pragma once

#include "core/Context.h"

#include <QStringList>
#include <optional>

namespace trajecta {

class CurveView;
class Workflow;

namespace svg {
struct ImportedPath;
} // namespace svg

// The curve exchanged with vector drawings. LblImporterSvg, in step 2 before
// the first point, makes a path of an SVG file the curve, placed as the
// drawing's viewport shows it on the work area, and ends the marking as
// "Arrêter le marquage" does: one operation, undone at once. LblExporterSvg,
// in steps 3 to 6, writes the curve, the frame and the sample points as an
// SVG drawing of the work area.
class SvgExchange {
  public:
    SvgExchange(Context& ctx, Workflow& workflow, CurveView& view);

    void importSvg();
    void exportSvg();

  private:
    // The path the curve is taken from: the only one, or the one the user picks.
    std::optional<int> choosePath(const QStringList& names);
    // Why a path cannot be the curve, or nothing.
    QString refusal(const svg::ImportedPath& imported, const QString& name) const;
    // The curve takes the path's points and joins, and the marking stops; false,
    // with nothing changed, for points a mouse could never give.
    bool placeCurve(const svg::ImportedPath& imported);

    Context& ctx_;
    Workflow& workflow_;
    CurveView& view_;
};

} // namespace trajecta
