#include "background/Background.h"
#include "background/PhotoFilters.h"
#include "background/PictureLoader.h"
#include "core/CurveSession.h"
#include "platform/Colours.h"
#include "support/JpegWriter.h"
#include "support/ScriptHarness.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace trajecta {
namespace {

const QString mismatch = QStringLiteral("Le format ne correspond pas, l'image sera déformée");

// A session in step 2 on a 1280 × 720 work area (16/9), with pictures to
// choose written in a folder of its own.
class BackgroundTest : public CurveSession {
  protected:
    void SetUp() override {
        CurveSession::SetUp();
        create();
        ASSERT_TRUE(folder.isValid());
    }

    // A JPEG of that size: left half orange, right half teal.
    QString writeJpeg(const QString& name, int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.fillRect(0, 0, width / 2, height, QColor(240, 140, 20));
        painter.fillRect(width / 2, 0, width - width / 2, height, QColor(20, 140, 160));
        painter.end();
        return write(name, encodeJpeg(picture, 92));
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void choose(const QString& path) {
        fakes.answers.push_back(path);
        click("LblChoisirPhoto");
    }
    void setBackground(int kind) { ASSERT_TRUE(controls().userSetItemIndex("RdgFond", kind)); }
    const Pictures& pictures() { return doc().pictures; }
    const BackgroundState& bg() { return doc().background; }

    QTemporaryDir folder;
};

TEST_F(BackgroundTest, EveryBackgroundCoversTheWorkAreaAndIsShownWhenChosen) {
    const QSize area(1280, 720);
    for (const QImage* p : {&pictures().grid, &pictures().plain, &pictures().photo, &pictures().processed})
        EXPECT_EQ(p->size(), area);
    // The built-in photo stretched corner to corner, attenuated by default.
    const QImage builtIn = defaultPhoto(QSize(maxPictureSide, maxPictureSide)).picture;
    ASSERT_EQ(builtIn.size(), QSize(1600, 900));
    EXPECT_EQ(pictures().photo.pixel(0, 0), builtIn.pixel(0, 0));
    EXPECT_EQ(pictures().photo.pixel(1279, 719), builtIn.pixel(1599, 899));
    QImage attenuated;
    attenuate(pictures().photo, attenuated);
    EXPECT_EQ(pictures().processed, attenuated);

    const std::array<const QImage*, 4> shown{&pictures().grid, &pictures().plain, &pictures().photo,
                                             &pictures().processed};
    for (int kind : {1, 2, 3, 0}) {
        setBackground(kind);
        EXPECT_EQ(bg().backgroundKind, kind);
        EXPECT_EQ(session.workPicture(), *shown[static_cast<size_t>(kind)]) << kind;
    }
}

TEST_F(BackgroundTest, WhileMarkingTheCompletePartsAndTheLoosePointsAreDrawnAgain) {
    // Five points marked over the plain background: one part and a loose point.
    setBackground(1);
    mark({{100, 100}, {200, 50}, {300, 150}, {400, 100}, {500, 300}});
    const QImage marked = session.workPicture().copy();
    EXPECT_EQ(at(500, 300), colours::red);
    for (const QPoint& anchor : {QPoint(100, 100), QPoint(400, 100)})
        EXPECT_NE(at(anchor.x(), anchor.y()), 0xE6FFFEu) << "the first part and its marks";

    setBackground(0);
    EXPECT_EQ(at(500, 300), colours::red);
    EXPECT_EQ(at(3, 3), 0xFFFFFFu);
    setBackground(1);
    EXPECT_EQ(session.workPicture(), marked) << "the same curve and the same red circle";
}

TEST_F(BackgroundTest, RangeMarksOfTheTimeStepSurviveAChangeOfBackground) {
    mark({{100, 300}, {300, 300}, {500, 300}, {700, 300}});
    click("LblStopMarquage");
    click("LblOKcourbe");
    ASSERT_TRUE(controls().userSetPosition("TbMontrePoint", 3));
    click("LblVarDep");
    ASSERT_TRUE(controls().userSetPosition("TbMontrePoint", 7));
    const QImage before = session.workPicture().copy();
    setBackground(3);
    EXPECT_EQ(at(5, 5), bgrAt(pictures().processed, 5, 5));
    setBackground(0);
    EXPECT_EQ(session.workPicture(), before) << "the range start and the cursor, each drawn once";

    // A photo chosen over the grid takes its place at once, under the curve
    // and the marks, as a full redraw draws them.
    choose(writeJpeg("wide.jpg", 1600, 900));
    EXPECT_EQ(controls().itemIndex("RdgFond"), 2);
    const QImage shown = session.workPicture().copy();
    setBackground(0);
    setBackground(2);
    EXPECT_EQ(session.workPicture(), shown) << "the curve and the marks over the chosen photo";
}

TEST_F(BackgroundTest, ChosenPhotoIsRecordedStretchedAndWarnedOfOnlyWhenItsFormatDiffers) {
    setBackground(2);
    choose(writeJpeg("wide.jpg", 1600, 900));
    EXPECT_TRUE(fakes.log.filter(QStringLiteral("message:")).isEmpty()) << fakes.log.join('\n').toStdString();
    EXPECT_EQ(doc().lists.LbxColParametres,
              QStringList({"RapportHV = 1,7777778", "RapportHVphoto = 1,7777778", "différence = 0"}));
    EXPECT_EQ(bg().photoRatio, 16.0f / 9.0f);
    EXPECT_EQ(at(1279, 719), bgrAt(pictures().photo, 1279, 719)) << "the photo is shown at once";
    const QRgb right = pictures().photo.pixel(1279, 719);
    EXPECT_NEAR(qRed(right), 20, 12);
    EXPECT_NEAR(qBlue(right), 160, 12);

    fakes.log.clear();
    choose(writeJpeg("square.jpg", 800, 600));
    EXPECT_EQ(fakes.log.filter(mismatch).size(), 1);
    EXPECT_EQ(
        doc().lists.LbxColParametres.mid(3),
        QStringList({"RapportHV = 1,7777778", "RapportHVphoto = 1,3333334", "différence = -0,44444442"}));
    // Stretched: the halves of the photo still meet in the middle of the work area.
    EXPECT_NEAR(qRed(pictures().photo.pixel(630, 360)), 240, 12);
    EXPECT_NEAR(qRed(pictures().photo.pixel(650, 360)), 20, 12);
    EXPECT_EQ(bg().photoSourcePath, folder.filePath("square.jpg"));
}

// Over the processed background a new photo is processed and shown at once.
TEST_F(BackgroundTest, PhotoChosenWhileProcessedIsShownProcessed) {
    setBackground(3);
    choose(writeJpeg("wide.jpg", 1600, 900));
    QImage expected;
    attenuate(pictures().photo, expected);
    EXPECT_EQ(pictures().processed, expected);
    const QRgb right = pictures().photo.pixel(1279, 719);
    EXPECT_NEAR(qBlue(right), 160, 12) << "the new photo, not the built-in one";
    for (const QPoint& p : {QPoint(5, 5), QPoint(1279, 719)})
        EXPECT_EQ(at(p.x(), p.y()), bgrAt(expected, p.x(), p.y()));
}

TEST_F(BackgroundTest, RefusedOrCancelledPictureChangesNothing) {
    setBackground(3);
    const QImage source = bg().photoSource, photo = pictures().photo, processed = pictures().processed;
    const QImage shown = session.workPicture().copy();
    const QByteArray jpeg = encodeJpeg(QImage(64, 48, QImage::Format_RGB32), 90);
    const QStringList bad{folder.filePath("missing.jpg"), write("notes.jpg", "not a picture at all"),
                          write("cut.jpg", jpeg.left(jpeg.size() / 2)), write("empty.png", {})};
    for (const QString& path : bad) {
        fakes.log.clear();
        choose(path);
        ASSERT_EQ(fakes.log.size(), 2) << path.toStdString();
        EXPECT_TRUE(fakes.log[1].contains(QDir::toNativeSeparators(path))) << fakes.log[1].toStdString();
        EXPECT_TRUE(fakes.log[1].contains(QStringLiteral("La photo actuelle est conservée")));
    }
    fakes.log.clear();
    click("LblChoisirPhoto"); // no answer: the dialog is cancelled
    EXPECT_EQ(fakes.log, QStringList{"picture dialog -> cancelled"});
    EXPECT_EQ(bg().photoSource, source);
    EXPECT_EQ(pictures().photo, photo);
    EXPECT_EQ(pictures().processed, processed);
    EXPECT_EQ(session.workPicture(), shown);
    EXPECT_TRUE(doc().lists.LbxColParametres.isEmpty());
    EXPECT_TRUE(bg().photoSourcePath.isEmpty());
}

TEST_F(BackgroundTest, PreviewKeepsTheProportionsOfThePhotoWithinSixHundredByFourHundred) {
    const std::vector<std::pair<QSize, QSize>> cases{{{1000, 500}, {600, 300}},
                                                     {{800, 600}, {533, 400}},
                                                     {{1280, 720}, {600, 338}}, // 337.5: ties to even
                                                     {{400, 400}, {400, 400}}};
    for (const auto& [photo, preview] : cases) {
        doc().pictures.photo = QImage(photo, QImage::Format_RGB32);
        doc().pictures.photo.fill(Qt::black);
        click("LblTraiter");
        EXPECT_EQ(bg().preview.size(), preview) << photo.width() << "x" << photo.height();
        EXPECT_TRUE(controls().visible("TFtraitePhoto"));
        click("BtnOKTraitePhoto");
    }
}

TEST_F(BackgroundTest, DialogOptionsRainbowSwatchesAndOk) {
    setBackground(3);
    click("LblTraiter");
    EXPECT_FALSE(controls().userClick("LblChoisirPhoto")) << "the dialog is modal";
    EXPECT_TRUE(controls().checked("ChbxAttenuation"));
    EXPECT_FALSE(controls().showing("ImgArcEnCiel"));

    click("ChbxMonochrome");
    for (const char* name : {"ImgArcEnCiel", "PnlChoixCouleur", "LblCliquerCouleur", "PnlSliver"})
        EXPECT_TRUE(controls().showing(name)) << name;
    // Row 120 of the strip is pure green.
    ASSERT_TRUE(controls().userMouse("ImgArcEnCiel", MouseEvent{MouseAction::Up, 9, 120, true}));
    EXPECT_EQ(bg().chosenColour, 0x00FF00u);
    EXPECT_EQ(controls().get("PnlChoixCouleur").colour, 0x00FF00u);
    QImage work, expected;
    processPhoto({true, true, false}, 0x00FF00, pictures().photo, work, expected);
    EXPECT_EQ(pictures().processed, expected);
    const QRgb previewed = bg().preview.pixel(300, 169);
    const Hsv hsv = rgbToHsv(qRed(previewed), qGreen(previewed), qBlue(previewed));
    EXPECT_TRUE(hsv.h == 120 || hsv.s == 0) << "the preview is green too";
    ASSERT_TRUE(controls().userMouse("ImgArcEnCiel", MouseEvent{MouseAction::Up, 9, 400, true}));
    EXPECT_EQ(bg().chosenColour, 0x00FF00u) << "a release below the strip picks nothing";

    // The silver swatch greys the photo alone and keeps the chosen colour.
    click("PnlSliver");
    colourize(0xC0C0C0, pictures().photo, expected);
    EXPECT_EQ(pictures().processed, expected);
    EXPECT_EQ(bg().chosenColour, 0x00FF00u);

    // "Annuler" gives back the options, the colour and the photo the dialog found.
    const BackgroundState found = bg();
    const QImage foundProcessed = pictures().processed.copy();
    click("BtnOKTraitePhoto");
    click("LblTraiter");
    click("ChbxTrait");
    ASSERT_TRUE(controls().userMouse("ImgArcEnCiel", MouseEvent{MouseAction::Up, 9, 40, true}));
    click("BtnAnnulerTraitePhoto");
    EXPECT_FALSE(controls().visible("TFtraitePhoto"));
    EXPECT_EQ(bg().options, found.options);
    EXPECT_EQ(bg().chosenColour, found.chosenColour);
    EXPECT_EQ(controls().get("PnlChoixCouleur").colour, found.chosenColour);
    EXPECT_FALSE(controls().checked("ChbxTrait"));
    EXPECT_EQ(pictures().processed, foundProcessed);
    click("LblTraiter");

    // "OK" with no option left still attenuates, and shows the result.
    click("ChbxMonochrome");
    click("ChbxAttenuation");
    EXPECT_EQ(pictures().processed, pictures().photo);
    click("BtnOKTraitePhoto");
    attenuate(pictures().photo, expected);
    EXPECT_EQ(pictures().processed, expected);
    EXPECT_FALSE(controls().visible("TFtraitePhoto"));
    EXPECT_EQ(session.workPicture(), expected);

    // Step 1 brings the default options back; the boxes follow at the next opening.
    click("LblEtapeAvant");
    EXPECT_TRUE(bg().options.attenuation);
    create();
    click("LblTraiter");
    EXPECT_TRUE(controls().checked("ChbxAttenuation"));
    EXPECT_FALSE(controls().checked("ChbxMonochrome"));
}

TEST_F(BackgroundTest, PhotoReducedForASmallWorkAreaIsReadAgainForALargerOne) {
    session.setClientSize(621, 700); // 400 × 225
    click("LblEtapeAvant");
    controls().setItemIndex("RdgChoixEcran", 3);
    create();
    ASSERT_EQ(doc().workflow.workWidth, 400);
    choose(writeJpeg("big.jpg", 3200, 2400));
    EXPECT_EQ(bg().photoSource.size(), QSize(400, 300)) << "decoded at 1/8";
    session.setClientSize(1501, 960);
    click("LblEtapeAvant");
    controls().setItemIndex("RdgChoixEcran", 0);
    create();
    EXPECT_EQ(bg().photoSource.size(), QSize(1600, 1200));
    EXPECT_EQ(bg().photoFullSize, QSize(3200, 2400));
}

} // namespace
} // namespace trajecta
