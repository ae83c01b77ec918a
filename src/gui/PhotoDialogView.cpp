#include "gui/PhotoDialogView.h"

#include "document/ControlIds.h"
#include "document/CurveDocument.h"
#include "gui/Binder.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

namespace trajecta {

namespace {

constexpr int swatchSide = 20;

bool showPicture(QWidget* widget, const QImage& picture, qint64& shownKey, bool always) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label || (!always && picture.cacheKey() == shownKey)) return false;
    shownKey = picture.cacheKey();
    label->setPixmap(QPixmap::fromImage(picture));
    if (!picture.isNull()) label->setFixedSize(picture.size());
    return true;
}

} // namespace

PhotoDialogView::PhotoDialogView(Binder& binder, const CurveDocument& doc) : binder_(binder), doc_(doc) {
    arrange();
    refresh(true);
}

void PhotoDialogView::arrange() {
    QWidget* dialog = binder_.widget(ids::TFtraitePhoto);
    if (!dialog) return;
    delete dialog->layout();
    auto* grid = new QGridLayout(dialog);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(6);
    auto at = [this](AnyControlId id) { return binder_.widget(id); };
    for (PanelId swatch : {ids::PnlChoixCouleur, ids::PnlSliver})
        if (QWidget* w = at(swatch)) w->setFixedSize(swatchSide, swatchSide);
    // Preview | options over the strip and its swatches; "OK" and "Annuler" at the bottom right.
    grid->addWidget(at(ids::ImgTraiter), 0, 0, 7, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at(ids::ChbxMonochrome), 0, 1, 1, 2);
    grid->addWidget(at(ids::ChbxAttenuation), 1, 1, 1, 2);
    grid->addWidget(at(ids::ChbxTrait), 2, 1, 1, 2);
    grid->addWidget(at(ids::LblCliquerCouleur), 3, 1, 1, 2);
    grid->addWidget(at(ids::ImgArcEnCiel), 4, 1, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at(ids::PnlChoixCouleur), 4, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at(ids::PnlSliver), 5, 2, Qt::AlignLeft | Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(at(ids::BtnOKTraitePhoto));
    buttons->addWidget(at(ids::BtnAnnulerTraitePhoto));
    grid->addLayout(buttons, 6, 1, 1, 2, Qt::AlignBottom);
    grid->setRowStretch(5, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void PhotoDialogView::refresh(bool always) {
    const BackgroundState& bg = doc_.background;
    showPicture(binder_.widget(ids::ImgTraiter), bg.preview, previewKey_, always);
    showPicture(binder_.widget(ids::ImgArcEnCiel), bg.rainbow, rainbowKey_, always);
}

} // namespace trajecta
