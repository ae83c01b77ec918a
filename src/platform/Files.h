#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace trajecta {

// The whole file, or nothing when it cannot be read; `error` then says why.
std::optional<QByteArray> readWholeFile(const QString& path, QString* error = nullptr);
// Writes through a temporary file renamed over the target at the end, so that
// a full disk or a crash never leaves a half-written file nor destroys the old
// one. Returns an empty text on success, else the reason.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace trajecta
