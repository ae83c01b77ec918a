#pragma once

#include "document/Step.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace trajecta {

// What a recovery file keeps of a session: enough to make the project again
// through the user's operations.
struct RecoveryContent {
    Step step = Step::Start;    // where the user was
    Step reached = Step::Start; // the furthest step the project's records come from
    QStringList object;         // the host object's lines as loaded
    QStringList curve;          // the curve file's lines of the project as it stands
    bool operator==(const RecoveryContent&) const = default;
};

// The file's bytes: UTF-8 lines (a backslash, CR and LF escaped in each), the
// two lists counted, and a SHA-256 of everything before it on the last line.
QByteArray recoveryText(const RecoveryContent& content);
// Nothing when the bytes are not such a file, whole and unchanged.
std::optional<RecoveryContent> readRecoveryText(const QByteArray& bytes);

} // namespace trajecta
