#include "curvefile/CurveFileText.h"

#include <QStringDecoder>
#include <array>

namespace trajecta {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined read as the control characters of the same value.
constexpr std::array<char16_t, 32> highControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = b >= 0x80 && b < 0xA0 ? QChar(highControls[b - 0x80]) : QChar(b);
    }
    return text;
}

// The byte of a character in Windows-1252, or -1 when it has none.
int windows1252Byte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < int(highControls.size()); ++i)
        if (highControls[size_t(i)] == u) return 0x80 + i;
    return -1;
}

bool plainAscii(const QByteArray& bytes) {
    for (const char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80) return false;
    return true;
}

std::optional<QString> validUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// UTF-16 is known by its byte-order mark alone; a broken pair reads as U+FFFD.
std::optional<QString> utf16(const QByteArray& bytes) {
    QStringDecoder::Encoding encoding;
    if (bytes.startsWith("\xFF\xFE"))
        encoding = QStringDecoder::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        encoding = QStringDecoder::Utf16BE;
    else
        return std::nullopt;
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return QString(decoder.decode(bytes.mid(2)));
}

} // namespace

QString decodeText(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (plainAscii(bytes)) return QString::fromLatin1(bytes);
    if (std::optional<QString> wide = utf16(bytes)) return *wide;
    if (std::optional<QString> utf8 = validUtf8(bytes.startsWith(bom) ? bytes.mid(3) : bytes)) return *utf8;
    return fromWindows1252(bytes);
}

QStringList decodeCurveFile(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    QStringList lines;
    qsizetype from = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(from, i - from);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) ++i;
        from = i + 1;
    }
    if (from < size) lines << text.mid(from);
    return lines;
}

QByteArray encodeCurveFile(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (const QChar c : line) {
            const int b = windows1252Byte(c);
            if (b < 0)
                return "\xEF\xBB\xBF" +
                       (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
            bytes += static_cast<char>(b);
        }
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace trajecta
