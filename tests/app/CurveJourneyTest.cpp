#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace trajecta;

namespace {

// Each journey script under tests/data runs as a user would drive the program;
// its whole output, with the curve record, must match the golden file.
void expectJourney(const QString& name) {
    trajecta::expectJourney(testData(name + ".txt"), name + ".out");
}

TEST(CurveJourney, MarkShapeFrameAndFinish) {
    expectJourney("curve_journey");
}

TEST(CurveJourney, ResumeRedoAndSixteenParts) {
    expectJourney("curve_resume_journey");
}

TEST(ClipboardJourney, TimeRangesToTheClipboard) {
    expectJourney("time_journey");
}

TEST(ClipboardJourney, ParameterRecordsBackAndForthToTheClipboard) {
    expectJourney("parameter_journey");
}

TEST(ClipboardJourney, EveryTimePresetInTurn) {
    expectJourney("time_presets_journey");
}

TEST(ClipboardJourney, ExtrasReverseTurnDeleteAndRetime) {
    expectJourney("extras_journey");
}

TEST(LanguageJourney, FrenchAndEnglishInStepsOneThreeFourAndFive) {
    expectJourney("language_journey");
}

TEST(CurveJourney, UndoAndRedoThroughTheEditionMenu) {
    expectJourney("undo_journey");
}

} // namespace
