#include "gui/HelpPictures.h"
#include "app/ControlInventory.h"
#include "app/HelpScenes.h"
#include "app/Session.h"
#include "gui/ButtonPictures.h"
#include "gui/MainWindow.h"
#include "shell/HelpContent.h"

#include "support/FakeServices.h"

#include <QLabel>
#include <QSet>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

QStringList helpImages() {
    QStringList names;
    for (const HelpPage& page : helpPages())
        names << page.frenchImage.str() << page.englishImage.str();
    return names;
}

// Everything a user reads on the controls of a session: captions, items, and
// the texts drawn into the image buttons, each with its spaces tidied.
QSet<QString> shownCaptions(Session& session, int language) {
    QSet<QString> captions;
    const Controls& c = session.controls();
    for (const QString& name : c.names()) {
        const ControlState& s = c.get(name);
        captions << s.text.simplified();
        for (const QString& item : s.items)
            captions << item.simplified();
        if (s.kind == ControlKind::Image) captions << ButtonPictures::caption(name, language);
    }
    return captions;
}

void expectCaptionsShown(Session& session, int language) {
    const QSet<QString> shown = shownCaptions(session, language);
    for (const HelpPage& page : helpPages()) {
        const QStringList named = quotedCaptions(page, language);
        EXPECT_FALSE(named.isEmpty()) << page.frenchImage.name << " names no control";
        for (const QString& caption : named)
            EXPECT_TRUE(shown.contains(caption.simplified()))
                << (language ? page.englishImage : page.frenchImage).name << " names \""
                << caption.toStdString() << "\", which no control shows";
    }
}

TEST(HelpPictures, EveryPageAndAboutPictureIsDrawnOncePerLanguage) {
    const QStringList names = helpImages() << aboutText().frenchImage.str() << aboutText().englishImage.str();
    ASSERT_EQ(names.size(), 16);
    std::vector<QImage> pictures;
    for (const QString& name : names) {
        ASSERT_TRUE(HelpPictures::provides(name)) << name.toStdString();
        pictures.push_back(HelpPictures::picture(name));
        EXPECT_FALSE(pictures.back().isNull()) << name.toStdString();
        EXPECT_LE(HelpPictures::neededHeight(name), HelpPictures::pageHeight)
            << name.toStdString() << ": the texts run past the page";
    }
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j])
                << names[int(i)].toStdString() << " = " << names[int(j)].toStdString();
    EXPECT_EQ(HelpPictures::picture(names[0]).cacheKey(), pictures[0].cacheKey()) << "drawn once, then kept";
    EXPECT_FALSE(HelpPictures::provides("ImgNvlObjet_haut"));
    EXPECT_TRUE(HelpPictures::picture("ImgNvlObjet_haut").isNull());
    EXPECT_FALSE(HelpPictures::version().isEmpty());
}

// Each step's picture comes from the walk having really reached that step: the
// pictures differ from one step to the next and each holds a drawing.
TEST(HelpPictures, EachStepHasItsOwnPictureOfTheWorkArea) {
    const auto scenes = renderHelpScenes(400);
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        ASSERT_FALSE(scenes[i].isNull()) << "scene " << i;
        EXPECT_EQ(scenes[i].width(), 400);
        if (i > 0) {
            EXPECT_NE(scenes[i], scenes[i - 1]) << "scene " << i << " shows nothing new";
        }
    }
    EXPECT_EQ(renderHelpScenes(400)[std::size_t(HelpScene::Finished)],
              scenes[std::size_t(HelpScene::Finished)])
        << "the same walk draws the same pictures";
}

TEST(HelpPictures, PagesNameOnlyCaptionsTheFrenchControlsShow) {
    FakeServices fakes;
    Session session(fakes.services());
    expectCaptionsShown(session, 0);
}

TEST(HelpPictures, PagesNameOnlyCaptionsTheEnglishControlsShow) {
    FakeServices fakes;
    Session session(fakes.services());
    const QString french = session.controls().get("LbCreation").text;
    session.controls().userClick("English");
    ASSERT_NE(session.controls().get("LbCreation").text, french) << "the captions do not switch to English";
    expectCaptionsShown(session, 1);
}

// The window draws a page when its image shows, in its open window, not
// before: opening the program stays quick (the about picture too, whose image
// is the one shown in its closed window), and the page shown is the one asked for.
TEST(HelpPictures, TheWindowShowsAPageOnlyOnceItsImageShows) {
    FakeServices fakes;
    KeyPointsBezier window{fakes.services()};
    Controls& controls = window.session().controls();
    auto label = [&](const char* name) { return window.findChild<QLabel*>(name); };
    const QStringList images = helpImages()
                               << aboutText().frenchImage.str() << aboutText().englishImage.str();
    for (const QString& name : images)
        EXPECT_TRUE(window.findChild<QLabel*>(name)->pixmap().isNull()) << name.toStdString();
    controls.show("ImgT4eng");
    EXPECT_TRUE(label("ImgT4eng")->pixmap().isNull()) << "drawn in its closed window";
    controls.show("TFAide");
    EXPECT_EQ(
        label("ImgT4eng")->pixmap().toImage(),
        HelpPictures::picture("ImgT4eng").convertToFormat(label("ImgT4eng")->pixmap().toImage().format()));
    EXPECT_TRUE(label("ImgT4fr")->pixmap().isNull());
    controls.hide("TFAide");
    controls.show("TFApropos");
    EXPECT_FALSE(label("ImgAproposFr")->pixmap().isNull());
    EXPECT_TRUE(label("ImgAproposEng")->pixmap().isNull());
    controls.show("ImgAproposEng");
    EXPECT_EQ(label("ImgAproposEng")->pixmap().size(),
              QSize(HelpPictures::aboutWidth, HelpPictures::aboutHeight));
}

} // namespace
} // namespace trajecta
