#include "gui/MainWindow.h"

#include "background/PhotoFilters.h"
#include "support/FakeServices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

void pressAndRelease(QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// The dialog opened by the user in step 2 shows the document's preview and
// rainbow strip 1:1, and a click on the strip chooses the hue of its row.
TEST(PhotoDialogView, ShowsThePreviewAndTheRainbowAndTakesTheColourUnderTheMouse) {
    FakeServices fakes;
    KeyPointsBezier window{fakes.services()};
    window.resize(1200, 800);
    window.show();
    Session& session = window.session();
    Controls& controls = session.controls();
    session.workflow().enterFormatStep();
    ASSERT_TRUE(controls.userClick("LbCreation"));

    auto* open = window.findChild<QLabel*>("LblTraiter");
    ASSERT_NE(open, nullptr);
    pressAndRelease(open, QPoint(3, 3));
    auto* dialog = window.findChild<QDialog*>("TFtraitePhoto");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());

    const BackgroundState& bg = session.document().background;
    auto* preview = window.findChild<QLabel*>("ImgTraiter");
    auto* rainbow = window.findChild<QLabel*>("ImgArcEnCiel");
    ASSERT_TRUE(preview && rainbow);
    EXPECT_EQ(preview->pixmap().toImage().convertToFormat(QImage::Format_RGB32), bg.preview);
    EXPECT_EQ(preview->size(), bg.preview.size());
    EXPECT_EQ(rainbow->pixmap().toImage().convertToFormat(QImage::Format_RGB32), bg.rainbow);
    EXPECT_EQ(rainbow->size(), QSize(19, 360));

    window.findChild<QCheckBox*>("ChbxMonochrome")->click();
    EXPECT_TRUE(rainbow->isVisible());
    const QImage before = bg.preview.copy();
    pressAndRelease(rainbow, QPoint(9, 240));
    EXPECT_EQ(bg.chosenColour, 0xFF0000u) << "row 240 is pure blue";
    EXPECT_NE(bg.preview, before);
    EXPECT_EQ(preview->pixmap().toImage().convertToFormat(QImage::Format_RGB32), bg.preview)
        << "the preview follows";
    auto* swatch = window.findChild<QWidget*>("PnlChoixCouleur");
    EXPECT_EQ(swatch->palette().color(QPalette::Window), QColor(0, 0, 255));
}

} // namespace
} // namespace trajecta
