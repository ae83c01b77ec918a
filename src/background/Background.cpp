#include "background/Background.h"

#include "background/PhotoFilters.h"
#include "background/PictureLoader.h"
#include "core/Workflow.h"
#include "document/ControlIds.h"
#include "platform/Colours.h"
#include "platform/Numbers.h"

#include <charconv>
#include <cmath>

namespace trajecta {

namespace {

// A photo of other proportions than the screen is still used, stretched; this
// warning exists in French only.
const QString formatMismatch = QStringLiteral("Le format ne correspond pas, l'image sera déformée");

constexpr int rainbowWidth = 19;
constexpr int rainbowHeight = 360;
constexpr int previewHeight = 400;
constexpr int previewMaxWidth = 600;

// The shortest text that reads back as the same single, with the locale's
// decimal mark, as the record keeps its numbers.
QString shortestText(float value, QChar separator) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    text.replace(QLatin1Char('.'), separator);
    return text;
}

} // namespace

Background::Background(Context& ctx, Workflow& workflow) : ctx_(ctx), workflow_(workflow) {}

void Background::start() {
    BackgroundState& bg = ctx_.doc.background;
    bg.rainbow = QImage(rainbowWidth, rainbowHeight, QImage::Format_RGB32);
    bg.rainbow.fill(colourFromBgr(bg.chosenColour));
    drawRainbow(bg.rainbow);
    ctx_.controls.setColour(ids::PnlChoixCouleur, bg.chosenColour);
    registerHandlers();
    onBackgroundChosen();
}

void Background::registerHandlers() {
    Controls& c = ctx_.controls;
    c.onClick(ids::RdgFond, [this] { onBackgroundChosen(); });
    c.onClick(ids::LblChoisirPhoto, [this] { choosePhoto(); });
    c.onClick(ids::LblTraiter, [this] { openPhotoProcessing(); });
    c.onClick(ids::ChbxMonochrome, [this] {
        const bool on = ctx_.controls.checked(ids::ChbxMonochrome);
        for (AnyControlId name :
             AnyControlIds{ids::ImgArcEnCiel, ids::PnlChoixCouleur, ids::LblCliquerCouleur, ids::PnlSliver})
            ctx_.controls.setVisible(name, on);
        setOption(&PhotoOptions::monochrome, ids::ChbxMonochrome);
    });
    c.onClick(ids::ChbxAttenuation, [this] { setOption(&PhotoOptions::attenuation, ids::ChbxAttenuation); });
    c.onClick(ids::ChbxTrait, [this] { setOption(&PhotoOptions::lines, ids::ChbxTrait); });
    c.onMouse(ids::ImgArcEnCiel, [this](const MouseEvent& e) {
        if (e.action == MouseAction::Up) pickRainbowColour(e.x, e.y);
    });
    c.onClick(ids::PnlChoixCouleur, [this] { colourizeWithSwatch(ids::PnlChoixCouleur); });
    c.onClick(ids::PnlSliver, [this] { colourizeWithSwatch(ids::PnlSliver); });
    c.onClick(ids::BtnOKTraitePhoto, [this] { closeDialog(); });
    c.onClick(ids::BtnAnnulerTraitePhoto, [this] { cancelDialog(); });
}

void Background::workAreaResized() {
    BackgroundState& bg = ctx_.doc.background;
    const QSize area(ctx_.doc.workflow.workWidth, ctx_.doc.workflow.workHeight);
    // A photo decoded at a reduced scale for a smaller work area no longer
    // covers this one: it is read again, if it still can be.
    const QSize decoded = bg.photoSource.size();
    if (!bg.photoSourcePath.isEmpty() && decoded != bg.photoFullSize &&
        (decoded.width() < area.width() || decoded.height() < area.height())) {
        const LoadedPicture again = loadPicture(bg.photoSourcePath, area);
        if (again.ok() && again.fullSize == bg.photoFullSize) bg.photoSource = again.picture;
    }
    stretchPhoto();
    processPhoto();
}

void Background::resetPhotoOptions() {
    ctx_.doc.background.options = PhotoOptions{};
}

// Until the user chooses a photo, the built-in one, decoded when a work area
// first needs it (at start, the size it will cover is not known yet).
void Background::loadBuiltInPhoto() {
    BackgroundState& bg = ctx_.doc.background;
    if (!bg.photoSource.isNull() || !bg.photoSourcePath.isEmpty()) return;
    const LoadedPicture builtIn = defaultPhoto(QSize(maxPictureSide, maxPictureSide));
    if (builtIn.ok()) {
        bg.photoSource = builtIn.picture;
        bg.photoFullSize = builtIn.fullSize;
    }
}

// Corner to corner over the whole work area: a photo of other proportions is distorted.
void Background::stretchPhoto() {
    const WorkflowState& w = ctx_.doc.workflow;
    QImage& photo = ctx_.doc.pictures.photo;
    photo = QImage(w.workWidth, w.workHeight, QImage::Format_RGB32);
    photo.fill(colourFromBgr(colours::white));
    loadBuiltInPhoto();
    const QImage& source = ctx_.doc.background.photoSource;
    if (source.isNull() || photo.isNull()) return;
    Canvas canvas(photo);
    canvas.stretchImage(0, 0, w.workWidth, w.workHeight, source);
    canvas.flush();
}

void Background::processPhoto() {
    BackgroundState& bg = ctx_.doc.background;
    Pictures& pictures = ctx_.doc.pictures;
    bg.photoOptionCount = photoOptionCount(bg.options);
    if (pictures.photo.isNull()) return;
    trajecta::processPhoto(bg.options, bg.chosenColour, pictures.photo, bg.processing, pictures.processed);
    showPreview(pictures.processed);
}

void Background::showPreview(const QImage& picture) {
    QImage& preview = ctx_.doc.background.preview;
    if (preview.isNull() || picture.isNull()) return;
    Canvas canvas(preview);
    canvas.stretchImage(0, 0, preview.width(), preview.height(), picture);
    canvas.flush();
}

void Background::onBackgroundChosen() {
    ctx_.doc.background.backgroundKind = ctx_.controls.itemIndex(ids::RdgFond);
    workflow_.redrawBackground();
}

void Background::choosePhoto() {
    CurveDocument& doc = ctx_.doc;
    BackgroundState& bg = doc.background;
    const int language = ctx_.language();
    const std::optional<QString> path = ctx_.services.files.openPicture(pictureFileFilter(language));
    if (!path) return;
    const WorkflowState& w = doc.workflow;
    const LoadedPicture loaded = loadPicture(*path, QSize(w.workWidth, w.workHeight));
    if (!loaded.ok()) {
        ctx_.services.messages.warning(pictureFaultMessage(loaded, *path, language));
        return;
    }
    bg.photoSource = loaded.picture;
    bg.photoSourcePath = *path;
    bg.photoFullSize = loaded.fullSize;
    // From the picture's own size: a reduced decode rounds its sides up.
    bg.photoRatio = toSingle(Extended(loaded.fullSize.width()) / Extended(loaded.fullSize.height()));
    const float difference = toSingle(Extended(bg.photoRatio) - Extended(w.aspectRatio));
    const QChar separator = ctx_.services.system.decimalSeparator();
    doc.lists.LbxColParametres << QStringLiteral("RapportHV = ") + shortestText(w.aspectRatio, separator)
                               << QStringLiteral("RapportHVphoto = ") + shortestText(bg.photoRatio, separator)
                               << QStringLiteral("différence = ") + shortestText(difference, separator);
    if (std::abs(difference) > 0.01f) ctx_.services.messages.information(formatMismatch);
    stretchPhoto();
    processPhoto();
    // The chosen photo shows at once, with the curve, its marks and the frame
    // drawn over it: over the grid or the plain surface it takes their place.
    if (bg.backgroundKind == 2 || bg.backgroundKind == 3)
        onBackgroundChosen();
    else
        ctx_.controls.setItemIndex(ids::RdgFond, 2); // RdgFond's own rule shows it
}

void Background::openPhotoProcessing() {
    const QImage& photo = ctx_.doc.pictures.photo;
    if (photo.isNull()) return;
    const Extended width = photo.width(), height = photo.height();
    int w = roundEven(width / height * previewHeight);
    int h = previewHeight;
    if (w > previewMaxWidth) {
        w = previewMaxWidth;
        h = roundEven(height / width * previewMaxWidth);
    }
    BackgroundState& bg = ctx_.doc.background;
    bg.preview = QImage(w, h, QImage::Format_RGB32);
    Controls& c = ctx_.controls;
    c.setGeometry(ids::ImgTraiter, 0, 0, w, h);
    // Each box whose state changes runs its click rule, and so the processing.
    c.setChecked(ids::ChbxMonochrome, bg.options.monochrome);
    c.setChecked(ids::ChbxAttenuation, bg.options.attenuation);
    c.setChecked(ids::ChbxTrait, bg.options.lines);
    showPreview(ctx_.doc.pictures.processed);
    beforeDialog_ = bg;
    processedBeforeDialog_ = ctx_.doc.pictures.processed;
    c.show(ids::TFtraitePhoto);
}

void Background::setOption(bool PhotoOptions::*option, CheckBoxId box) {
    ctx_.doc.background.options.*option = ctx_.controls.checked(box);
    processPhoto();
}

// A release outside the strip (the press was on it) chooses nothing.
void Background::pickRainbowColour(int x, int y) {
    BackgroundState& bg = ctx_.doc.background;
    if (!bg.rainbow.valid(x, y)) return;
    bg.chosenColour = bgrAt(bg.rainbow, x, y);
    ctx_.controls.setColour(ids::PnlChoixCouleur, bg.chosenColour);
    processPhoto();
}

// The swatch's colour alone, whatever the options; the chosen colour stays.
void Background::colourizeWithSwatch(PanelId swatch) {
    Pictures& pictures = ctx_.doc.pictures;
    if (pictures.photo.isNull()) return;
    colourize(ctx_.controls.get(swatch).colour, pictures.photo, pictures.processed);
    showPreview(pictures.processed);
}

// "OK": with no option at all the photo is still attenuated.
void Background::closeDialog() {
    Pictures& pictures = ctx_.doc.pictures;
    if (ctx_.doc.background.photoOptionCount == 0 && !pictures.photo.isNull())
        attenuate(pictures.photo, pictures.processed);
    onBackgroundChosen();
    ctx_.controls.hide(ids::TFtraitePhoto);
}

// "Annuler": the options, the colour and the processed photo as the dialog
// found them; the work area never showed the changes.
void Background::cancelDialog() {
    Controls& c = ctx_.controls;
    const PhotoOptions& options = beforeDialog_.options;
    // Each box whose state changes runs its click rule, as at the opening.
    c.setChecked(ids::ChbxMonochrome, options.monochrome);
    c.setChecked(ids::ChbxAttenuation, options.attenuation);
    c.setChecked(ids::ChbxTrait, options.lines);
    ctx_.doc.background = beforeDialog_;
    ctx_.doc.pictures.processed = processedBeforeDialog_;
    c.setColour(ids::PnlChoixCouleur, beforeDialog_.chosenColour);
    c.hide(ids::TFtraitePhoto);
}

} // namespace trajecta
