#pragma once

#include <QString>

namespace trajecta {

// A text in French (language 0) and in English (language 1).
struct TextPair {
    QString fr;
    QString en;
    const QString& in(int language) const { return language == 1 ? en : fr; }
};

// The step messages shown in LbInfos, by message index 1..8; any other index
// gives an empty pair.
const TextPair& stepMessage(int index);

// The message-box texts.
namespace Messages {
extern const TextPair tooFewPoints;
extern const TextPair maxParts;
extern const TextPair curveHad;       // first half, followed by the saved sample count
extern const TextPair curveHadRest;   // second half
extern const TextPair notAnObject;
extern const TextPair firstTimeDoubtful;
extern const TextPair workAreaTooSmall;
extern const TextPair badSpeedField;  // followed by the quoted text
// Shown in English in both languages.
extern const QString incorrectPointCount;
} // namespace Messages

} // namespace trajecta
