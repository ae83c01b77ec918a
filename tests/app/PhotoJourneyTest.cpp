#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

using namespace trajecta;

namespace {

// A photo chosen through the picture dialog, processed in the dialog and shown
// under the curve: the script's output and the work area, to the last pixel.
TEST(PhotoJourney, ChooseProcessAndShowAPhotoUnderTheCurve) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QString script = testData(QStringLiteral("photo_journey.txt"));
    ASSERT_FALSE(script.isEmpty());
    script.replace(QStringLiteral("OUT/"), out.path() + QLatin1Char('/'));
    expectJourney(script, QStringLiteral("photo_journey.out"));

    const QImage shown(out.filePath(QStringLiteral("photo_journey.png")));
    const QImage golden(QStringLiteral(TRAJECTA_TEST_DATA "/photo_journey.png"));
    ASSERT_FALSE(golden.isNull());
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), golden.convertToFormat(QImage::Format_RGB32));
}

} // namespace
