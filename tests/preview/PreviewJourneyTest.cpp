#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

using namespace trajecta;

namespace {

QImage picture(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// A finished object played through the slider at three times: the script's
// output, the three pictures to the last pixel, and the work area exactly as
// before once the preview ends.
TEST(PreviewJourney, TheObjectAtThreeTimesAndNoTraceAfterwards) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QString script = testData(QStringLiteral("preview_journey.txt"));
    ASSERT_FALSE(script.isEmpty());
    script.replace(QStringLiteral("OUT/"), out.path() + QLatin1Char('/'));
    expectJourney(script, QStringLiteral("preview_journey.out"));

    for (const char* name : {"preview_journey_1.png", "preview_journey_2.png", "preview_journey_3.png"}) {
        const QImage golden = picture(QStringLiteral(TRAJECTA_TEST_DATA "/") + QLatin1String(name));
        ASSERT_FALSE(golden.isNull()) << name;
        EXPECT_EQ(picture(out.filePath(QLatin1String(name))), golden) << name;
    }
    const QImage before = picture(out.filePath(QStringLiteral("preview_journey_before.png")));
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(picture(out.filePath(QStringLiteral("preview_journey_after.png"))), before);
    EXPECT_NE(picture(out.filePath(QStringLiteral("preview_journey_1.png"))), before);
}

} // namespace
