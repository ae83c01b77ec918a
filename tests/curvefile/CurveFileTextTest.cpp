#include "curvefile/CurveFileText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace trajecta;

namespace {

// Every way a line can end splits there, and an empty line in the middle
// stays; the bytes are Windows-1252 unless they are valid UTF-8 beyond ASCII.
TEST(CurveFileText, LinesAndEncodingsAreRead) {
    EXPECT_EQ(decodeCurveFile("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(decodeCurveFile("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(decodeCurveFile("a\n\rb"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(decodeCurveFile("").isEmpty());

    const QString header = QStringLiteral("=== Etape 5 les paramètres ===");
    const QByteArray cp1252 = QByteArray("=== Etape 5 les param\xE8tres ===\r\n") + "\x80 \x9C \x81\r\n";
    EXPECT_EQ(decodeCurveFile(cp1252), (QStringList{header, QStringLiteral("€ œ \u0081")}));
    EXPECT_EQ(decodeCurveFile(header.toUtf8() + "\n"), QStringList{header});
    EXPECT_EQ(decodeCurveFile("\xEF\xBB\xBF" + header.toUtf8()), QStringList{header});
    EXPECT_EQ(decodeCurveFile("\xEF\xBB\xBFplain"), QStringList{"plain"});

    // UTF-16 with its byte-order mark, in either byte order.
    const QString text = header + QStringLiteral("\r\n€ ٠٨\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(text);
        EXPECT_EQ(decodeCurveFile(bytes), (QStringList{header, QStringLiteral("€ ٠٨")}))
            << bytes.left(4).toHex().data();
    }
}

// What is written reads back unchanged: Windows-1252 with CR LF when it can
// hold every character, UTF-8 with a byte-order mark when it cannot.
TEST(CurveFileText, WrittenLinesReadBack) {
    const QStringList latin{QStringLiteral("1-Opacité : (10/20)"), QString(), QStringLiteral("€‰ fin")};
    const QByteArray bytes = encodeCurveFile(latin);
    EXPECT_EQ(bytes, QByteArray("1-Opacit\xE9 : (10/20)\r\n\r\n\x80\x89 fin\r\n"));
    EXPECT_EQ(decodeCurveFile(bytes), latin);

    const QStringList wider{QStringLiteral("format : 16/9"), QStringLiteral("Fait le ٠٨/١٢/٢٠٢٦ é")};
    const QByteArray utf8 = encodeCurveFile(wider);
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(utf8.endsWith("\r\n"));
    EXPECT_EQ(decodeCurveFile(utf8), wider);
}

// A file is replaced whole; a write that cannot happen says why and leaves
// nothing behind.
TEST(CurveFileText, WritesAreAtomic) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("a.tjc");
    EXPECT_EQ(writeFileAtomically(path, "old"), "");
    EXPECT_EQ(writeFileAtomically(path, "new\r\n"), "");
    EXPECT_EQ(readWholeFile(path), QByteArray("new\r\n"));

    const QString nowhere = dir.filePath("missing/b.tjc");
    EXPECT_FALSE(writeFileAtomically(nowhere, "x").isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    QString why;
    EXPECT_FALSE(readWholeFile(nowhere, &why).has_value());
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.tjc"}) << "no temporary file is left";
}

} // namespace
