#include "gui/PhotoDialogView.h"

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
    QWidget* dialog = binder_.widget(QStringLiteral("TFtraitePhoto"));
    if (!dialog) return;
    delete dialog->layout();
    auto* grid = new QGridLayout(dialog);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(6);
    auto at = [this](const char* name) { return binder_.widget(QString::fromLatin1(name)); };
    for (const char* swatch : {"PnlChoixCouleur", "PnlSliver"})
        if (QWidget* w = at(swatch)) w->setFixedSize(swatchSide, swatchSide);
    // Preview | options over the strip and its swatches; OK at the bottom right.
    grid->addWidget(at("ImgTraiter"), 0, 0, 7, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at("ChbxMonochrome"), 0, 1, 1, 2);
    grid->addWidget(at("ChbxAttenuation"), 1, 1, 1, 2);
    grid->addWidget(at("ChbxTrait"), 2, 1, 1, 2);
    grid->addWidget(at("LblCliquerCouleur"), 3, 1, 1, 2);
    grid->addWidget(at("ImgArcEnCiel"), 4, 1, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at("PnlChoixCouleur"), 4, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at("PnlSliver"), 5, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(at("BtnOKTraitePhoto"), 6, 1, 1, 2, Qt::AlignBottom);
    grid->setRowStretch(5, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void PhotoDialogView::refresh(bool always) {
    const BackgroundState& bg = doc_.background;
    showPicture(binder_.widget(QStringLiteral("ImgTraiter")), bg.preview, previewKey_, always);
    showPicture(binder_.widget(QStringLiteral("ImgArcEnCiel")), bg.rainbow, rainbowKey_, always);
}

} // namespace trajecta
