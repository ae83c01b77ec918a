#pragma once

#include "document/Step.h"

#include <QString>

namespace trajecta {

// A text in French (language 0) and in English (language 1).
struct TextPair {
    QString fr;
    QString en;
    const QString& in(int language) const { return language == 1 ? en : fr; }
};

// The step message shown in LbInfos for an entry of the message line.
const TextPair& stepMessage(StepMessage message);

// The message-box texts.
namespace Messages {
extern const TextPair tooFewPoints;
extern const TextPair maxParts;
extern const TextPair curveHad;     // first half, followed by the saved sample count
extern const TextPair curveHadRest; // second half
extern const TextPair notAnObject;
extern const TextPair objectCopied; // %1: the keypoints of the object
extern const TextPair firstTimeDoubtful;
extern const TextPair workAreaTooSmall;
extern const TextPair badSpeedField; // followed by the quoted text
extern const TextPair cancelAllParameters;
extern const TextPair cancelAllParametersTitle;
extern const TextPair countBeforeAndNow; // the sample counts before and after a change
// Files: %1 the path, %2 the reason.
extern const TextPair fileExists;
extern const TextPair notWritten;
extern const TextPair notRead;
// Labels and captions that the language switch rewrites with the state.
extern const TextPair loadLabel;       // LblChargerFichier
extern const TextPair windowTitle;     // the main window's caption
extern const TextPair minimumDuration; // LbliDureeMiniVue, before the total time
// Shown in English in both languages.
extern const QString incorrectPointCount;
} // namespace Messages

} // namespace trajecta
