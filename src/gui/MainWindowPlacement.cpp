#include "gui/MainWindow.h"

#include "core/LayoutSizes.h"
#include "document/ControlIds.h"
#include "gui/Guarded.h"
#include "gui/RegionFlow.h"
#include "gui/WorkArea.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

// Where the main window places its regions and their groups.

namespace trajecta {

namespace {

// The work area the smallest window still leaves above the bottom band.
constexpr int minimumWorkHeight = 150;

// The preview's controls stand at the right end of the message line, under
// the work area where the object plays.
constexpr int previewWidth = 420;

} // namespace

// Room for the widest group of the bottom band beside the column, and for the
// tallest group of the column; whatever the step shows, each group can be
// seen whole (the band and the column scroll to it).
QSize KeyPointsBezier::minimumClientSize() const {
    int bandWidth = 0, columnHeight = 0;
    for (const QWidget* w : bandGroups_)
        bandWidth = std::max(bandWidth, widthOf(w));
    for (const QWidget* w : columnGroups_)
        columnHeight = std::max(columnHeight, heightAt(w, rightColumnWidth - 2 * RegionFlow::margin));
    const int scrollBar = bottomBand_->horizontalScrollBar()->sizeHint().height();
    return QSize(
        bandWidth + 2 * RegionFlow::margin + rightColumnWidth,
        std::max(columnHeight + 2 * RegionFlow::margin, minimumWorkHeight + bottomBandHeight + scrollBar));
}

void KeyPointsBezier::scheduleRelayout() {
    if (!relayoutTimer_->isActive()) relayoutTimer_->start();
}

void KeyPointsBezier::relayout() {
    relayoutTimer_->stop();
    const Controls& controls = session_.controls();
    const int width = client_->width(), height = client_->height();
    const bool showsWork = controls.get(ids::ImgDessin).visible;
    // Without the work area the column keeps to the right edge.
    const QRect view = showsWork ? placeWorkArea() : QRect(0, 0, std::max(0, width - rightColumnWidth), 0);
    workView_->setVisible(showsWork);
    if (!showsWork) fitToggle_->hide();

    const ControlState& messages = controls.get(ids::PnMessages);
    const QRect messageBox(0, view.bottom() + 1, view.width(), messageHeight);
    if (QWidget* w = binder_->widget(messages.name)) w->setGeometry(messageBox);
    const int bandTop = messages.visible ? messageBox.bottom() + 1 : view.bottom() + 1;
    if (QWidget* w = binder_->widget(ids::PnlLecture)) {
        const int previewBoxWidth =
            std::max(w->minimumSizeHint().width(), std::min(previewWidth, messageBox.width() / 2));
        w->setGeometry(messageBox.right() + 1 - previewBoxWidth, messageBox.top(), previewBoxWidth,
                       messageBox.height());
        w->raise();
    }
    placeFitToggle(messageBox);
    placeGroups(QRect(0, bandTop, view.width(), std::max(0, height - bandTop)),
                QRect(view.width(), 0, std::max(0, width - view.width()), height));

    const ControlState& load = controls.get(ids::PnlChargeObjetPte);
    QRect loadBox;
    if (QWidget* w = binder_->widget(load.name)) {
        // Where the model placed it, else centred as the program places it on activation.
        const QSize size = w->sizeHint();
        loadBox = load.width > 0
                      ? QRect(load.left, load.top, load.width, load.height)
                      : QRect(width / 2 - size.width() / 2, height / 3, size.width(), size.height());
        w->setGeometry(loadBox);
    }
    if (QWidget* w = binder_->widget(ids::PnlAccueil)) {
        // Centred under the load button, its text wrapped to a readable width.
        const int wide = std::min(560, std::max(0, width - 40));
        w->setFixedWidth(wide);
        w->setGeometry(width / 2 - wide / 2, loadBox.bottom() + 1 + 16, wide, w->heightForWidth(wide));
    }
    const ControlState& busy = controls.get(ids::LblTravauxEnCours);
    if (QWidget* w = binder_->widget(busy.name)) {
        QPoint at(loadBox.left(), loadBox.bottom() + 1 + 80);
        if (busy.width > 0) at = QPoint(busy.left, busy.top);
        w->setGeometry(QRect(at, w->sizeHint()));
        w->raise();
    }
}

// The work area at the top-left corner, in the room the layout keeps beside
// and below it: at its own size when that room holds it; otherwise fitted to
// the room or, at 100 %, in a view of the room that scrolls. Returns the view.
QRect KeyPointsBezier::placeWorkArea() {
    const ControlState& image = session_.controls().get(ids::ImgDessin);
    QSize picture(image.width, image.height);
    if (picture.isEmpty()) picture = session_.workPicture().size();
    picture = picture.expandedTo(QSize(1, 1));
    const bool single = session_.document().shell.singleWindowLayout;
    const QSize room(std::max(1, client_->width() - roomBeside()),
                     std::max(1, client_->height() - (single ? bottomBandHeight : messageHeight)));
    const bool fits = picture.width() <= room.width() && picture.height() <= room.height();
    qreal scale = 1;
    if (!fits && !fitToggle_->isChecked())
        scale = std::min(qreal(room.width()) / picture.width(), qreal(room.height()) / picture.height());
    work_->showAt(picture, scale);
    fitToggle_->setVisible(!fits);
    const QRect view(QPoint(0, 0), scale < 1 ? work_->size() : picture.boundedTo(room));
    workView_->setGeometry(view);
    return view;
}

// The width the layout keeps beside the work area: the column's, with one
// window; with two, as much as the groups still on this window need.
int KeyPointsBezier::roomBeside() {
    if (session_.document().shell.singleWindowLayout) return rightColumnWidth;
    int needed = 0;
    for (const auto* groups : {&columnGroups_, &bandGroups_})
        for (const QWidget* w : *groups)
            if (!w->isHidden()) needed = std::max({needed, rightColumnWidth, w->minimumSizeHint().width()});
    return needed;
}

// The band's groups side by side; those it cannot hold, and the column's
// groups, in the right region.
void KeyPointsBezier::placeGroups(const QRect& band, const QRect& right) {
    auto shown = [](const std::vector<QWidget*>& groups) {
        std::vector<QWidget*> visible;
        std::copy_if(groups.begin(), groups.end(), std::back_inserter(visible),
                     [](const QWidget* w) { return !w->isHidden(); });
        return visible;
    };
    const RegionPlaces places = placeInRegions(shown(columnGroups_), shown(bandGroups_), band.size(),
                                               right.size(), rightColumnWidth - 2 * RegionFlow::margin,
                                               rightColumn_->verticalScrollBar()->sizeHint().width());
    auto apply = [](QScrollArea* region, const QRect& place, const std::vector<RegionFlow::Placed>& groups,
                    QSize content) {
        QWidget* holder = region->widget();
        for (const auto& [group, at] : groups) {
            if (group->parentWidget() != holder) {
                group->setParent(holder);
                group->show();
            }
            group->setGeometry(at);
        }
        region->setGeometry(place);
        holder->resize(content.expandedTo(place.size()));
    };
    apply(bottomBand_, band, places.band, places.bandContent);
    apply(rightColumn_, right, places.right, places.rightContent);
}

// The choice between the work area fitted and at 100 %, at the end of the
// message line before the preview's controls.
void KeyPointsBezier::placeFitToggle(const QRect& messageBox) {
    const bool english = session_.document().shell.languageIndex == 1;
    fitToggle_->setToolTip(
        english ? QStringLiteral("Show the work area at 100 % (else fitted to the window)")
                : QStringLiteral("Voir la zone de travail à 100 % (sinon ajustée à la fenêtre)"));
    int right = messageBox.right();
    if (const QWidget* preview = binder_->widget(ids::PnlLecture); preview && !preview->isHidden())
        right = preview->x() - 1;
    const QSize size = fitToggle_->sizeHint();
    fitToggle_->setGeometry(right + 1 - size.width(),
                            messageBox.top() + (messageBox.height() - size.height()) / 2, size.width(),
                            size.height());
    fitToggle_->raise();
}

} // namespace trajecta
