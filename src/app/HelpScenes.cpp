#include "app/HelpScenes.h"

#include "app/ScriptedServices.h"
#include "app/Session.h"
#include "core/LayoutSizes.h"
#include "document/ControlIds.h"

#include <QPointF>

namespace trajecta {

namespace {

// The curve of the pictures, in fractions of the work area: three parts, a
// wave that climbs from the bottom left to the top right, with smooth joins.
constexpr QPointF curvePoints[] = {{0.08, 0.75}, {0.12, 0.35}, {0.25, 0.70}, {0.35, 0.55}, {0.43, 0.43},
                                   {0.54, 0.30}, {0.62, 0.45}, {0.70, 0.60}, {0.92, 0.50}, {0.90, 0.22}};

// A walk of the user's own input over one session; a refused input is a
// fault of this walk, not of the user, and stops nothing: the picture of that
// moment simply shows less.
class Walk {
  public:
    // A window whose 16/9 work area is `workWidth` pixels wide.
    explicit Walk(int workWidth) {
        services_.today = QDate(2024, 1, 15);
        services_.separator = QLatin1Char(',');
        session_ = std::make_unique<Session>(services_.services());
        session_->setClientSize(workWidth + rightColumnWidth, workWidth * 9 / 16 + bottomBandHeight + 1);
    }

    Controls& controls() { return session_->controls(); }
    const CurveDocument& doc() { return session_->document(); }
    QImage picture() { return session_->workPicture().copy(); }

    void click(AnyControlId id) { controls().userClick(id); }
    void set(SliderId id, int value) { controls().userSetPosition(id, value); }

    // A press, a drag and a release with the left button, as the mouse gives them.
    void drag(QPoint from, QPoint to) {
        mouse(MouseAction::Move, from, false);
        mouse(MouseAction::Down, from, true);
        for (int i = 1; i <= 4; ++i)
            mouse(MouseAction::Move, from + (to - from) * i / 4, true);
        mouse(MouseAction::Up, to, true);
    }
    void clickAt(QPoint at) {
        mouse(MouseAction::Move, at, false);
        mouse(MouseAction::Down, at, true);
        mouse(MouseAction::Up, at, true);
        mouse(MouseAction::Click, at, true);
    }
    QPoint at(QPointF fraction) {
        const WorkflowState& w = doc().workflow;
        return QPoint(int(fraction.x() * w.workWidth), int(fraction.y() * w.workHeight));
    }

  private:
    void mouse(MouseAction action, QPoint at, bool left) {
        controls().userMouse(ids::ImgDessin, MouseEvent{action, at.x(), at.y(), left});
    }

    ScriptedServices services_;
    std::unique_ptr<Session> session_;
};

} // namespace

std::array<QImage, helpSceneCount> renderHelpScenes(int width) {
    std::array<QImage, helpSceneCount> scenes;
    auto keep = [&](HelpScene scene, const QImage& picture) { scenes[std::size_t(scene)] = picture; };
    Walk walk(width);
    walk.click(ids::ChargerExemple);
    walk.click(ids::LbCreation);
    keep(HelpScene::Format, walk.picture());

    // Two parts and the first point of a third.
    for (int i = 0; i < 8; ++i)
        walk.clickAt(walk.at(curvePoints[i]));
    keep(HelpScene::Marking, walk.picture());

    walk.clickAt(walk.at(curvePoints[8]));
    walk.clickAt(walk.at(curvePoints[9]));
    walk.click(ids::LblStopMarquage);
    // Every tangent shown, a handle pulled a little, more points on the middle part.
    walk.controls().userSetItemIndex(ids::RdgTangentes, 0);
    walk.drag(walk.at(curvePoints[8]), walk.at({0.84, 0.64}));
    walk.click(ids::ChBx2);
    walk.set(ids::TbrQPoints, 30);
    keep(HelpScene::Shaping, walk.picture());

    walk.click(ids::LblCadre);
    walk.drag(walk.at({0.05, 0.05}), walk.at({0.06, 0.95}));
    keep(HelpScene::FramePlacing, walk.picture());

    walk.click(ids::LblOKcourbe);
    walk.set(ids::TbMontrePoint, 12);
    walk.click(ids::LblVarDep);
    walk.set(ids::TbMontrePoint, 40);
    walk.click(ids::LblVarFin);
    keep(HelpScene::Times, walk.picture());
    walk.click(ids::LblVarAnnule);

    walk.click(ids::LblParaFini);
    walk.controls().userSetChecked(ids::ChBxTangenteAuPoint, true);
    walk.set(ids::TbMontrePoint, 30);
    keep(HelpScene::Parameters, walk.picture());

    walk.click(ids::LblParaFini);
    walk.controls().userSetItemIndex(ids::RdgFond, 2);
    keep(HelpScene::Finished, walk.picture());
    return scenes;
}

} // namespace trajecta
