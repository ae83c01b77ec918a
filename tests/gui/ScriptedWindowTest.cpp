#include "gui/ScriptedWindow.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

// A script drives the real window: `window` gives its client area the size,
// the commands reach the model the window shows, `screenshot` saves the
// window as drawn, and an error stops the script with the driver's code.
TEST(ScriptedWindow, DrivesTheRealWindowAndSavesItAsDrawn) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString shot = folder.filePath("step1.png");
    ScriptedWindow window;
    ScriptOptions options;
    options.window = window.hooks();
    ScriptRunner runner(options);
    QStringList out;
    const int code = runner.run({"window 1264 680", "click ChargerExemple", "print LbCreation",
                                 "screenshot " + shot, "no-such-command"},
                                [&out](const QString& line) { out << line; });
    EXPECT_EQ(code, 2);
    ASSERT_EQ(out.size(), 2) << out.join('\n').toStdString();
    EXPECT_TRUE(out[0].startsWith("LbCreation visible=1 showing=1")) << out[0].toStdString();
    EXPECT_TRUE(out[1].startsWith("error: line 5: unknown command")) << out[1].toStdString();
    const QImage picture(shot);
    EXPECT_GE(picture.width(), 1264);
    EXPECT_GE(picture.height(), 680);
    EXPECT_FALSE(picture.allGray()) << "the window's coloured buttons are drawn";
}

} // namespace
} // namespace trajecta
