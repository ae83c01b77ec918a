#pragma once

#include <QString>
#include <QStringList>

namespace trajecta {

// A saved curve applied to a host object without any window: the object is
// read as the load button reads the clipboard, the curve file is replayed on
// a work area of the size stored in the file (so that nothing is rescaled),
// and the result is the text the window would put on the clipboard.
struct AppliedCurve {
    QString objectText; // every line ended by CR LF
    QString error;      // empty on success; otherwise why, in English
};
AppliedCurve applyCurve(const QStringList& curveLines, const QString& objectText);

} // namespace trajecta
