#pragma once

#include "platform/Files.h" // a curve file is read whole and written atomically

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace trajecta {

// The bytes of a curve file and its lines.
//
// Files are written in Windows-1252 with CR LF after every line, the encoding
// of every curve file made so far. A line that holds a character Windows-1252
// cannot hold is never written with a substitute: the whole file is then
// written in UTF-8 with a byte-order mark instead.
//
// Reading splits at CR LF, lone CR and lone LF. Bytes that start with a
// UTF-16 byte-order mark (either order: what Windows editors save as
// "Unicode") are UTF-16. Others are UTF-8 (with or without a byte-order mark)
// when they are valid UTF-8 and not plain ASCII, so that a file edited in a
// modern editor still loads; otherwise they are Windows-1252.
QStringList decodeCurveFile(const QByteArray& bytes);
// The same reading of bytes as one text, without splitting it.
QString decodeText(const QByteArray& bytes);
QByteArray encodeCurveFile(const QStringList& lines);
} // namespace trajecta
