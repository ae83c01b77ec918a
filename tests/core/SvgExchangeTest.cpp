#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace trajecta;

// The journey exports into a folder of its own.
TEST(SvgExchange, ImportedPathBecomesTheCurveAndComesBackFromItsExport) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    expectJourney(testData("svg_journey.txt"), "svg_journey.out");
    QDir::setCurrent(previous);
}
