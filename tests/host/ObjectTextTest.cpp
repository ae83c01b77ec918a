#include "host/ObjectText.h"

#include <gtest/gtest.h>
#include <random>

using namespace trajecta;

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

QStringList entry(int number, const QString& time, const QString& origin, const QString& angle = "0") {
    return {QStringLiteral("  object KeyPoint%1:KeyPoint").arg(number),
            "    Time=" + time,
            "    Origin=" + origin,
            "    Opacity=100",
            "    Angle=" + angle,
            "    ScaleX=100",
            "    ScaleY=100",
            "    Position=0,0",
            "    CenterPos=0,0",
            "    AngleX=0",
            "    AngleY=0",
            "    ZPos=0",
            "  end"};
}

// A small host object: the header, six properties with the three speed lines,
// the given entries and one property after them.
QStringList object(const QString& pan, const QList<QStringList>& entries) {
    QStringList lines{"PicturesToExe-Objects", "object Essai:Box",   "  GUID={1}",  "  PanSpeed=" + pan,
                      "  RotateSpeed=" + pan,  "  ZoomSpeed=" + pan, "  TreeNode=1"};
    for (const QStringList& e : entries)
        lines += e;
    lines << "  Antialiased=0"
          << "end";
    return lines;
}

} // namespace

TEST(ObjectText, ClipboardLinesSplitAtEveryLineEndAndStopAtNul) {
    EXPECT_EQ(splitClipboardText("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitClipboardText("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitClipboardText("a\n\rb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitClipboardText(QString("ab\ncd") + QChar(0) + "ef\ngh"), (QStringList{"ab", "cd"}));
    EXPECT_TRUE(splitClipboardText("").isEmpty());
    EXPECT_EQ(joinObjectText({"x", "", "é"}), "x\r\n\r\né\r\n");
    const QString text = "PicturesToExe-Objects\r\nobject A:B\r\n  Name=ü\r\nend\r\n";
    EXPECT_EQ(joinObjectText(splitClipboardText(text)), text);
}

TEST(ObjectText, NumbersHaveSixDecimalsAtMostAndAPoint) {
    EXPECT_EQ(formatNumber(100), "100");
    EXPECT_EQ(formatNumber(12.5), "12.5");
    EXPECT_EQ(formatNumber(1.0 / 3), "0.333333");
    EXPECT_EQ(formatNumber(0), "0");
    EXPECT_EQ(formatNumber(99.9999996), "100");
    EXPECT_EQ(formatNumber(0.1), "0.1");
    EXPECT_EQ(formatNumber(-66.66666666666667), "-66.666667");
    EXPECT_EQ(formatNumber(0.0078125), "0.007813"); // an exact tie goes away from zero
    EXPECT_EQ(formatNumber(-0.0078125), "-0.007813");
    EXPECT_EQ(formatNumber(-0.0000004), "0");
    EXPECT_EQ(formatNumber(250), "250");

    // The quick way agrees with the exact six decimals everywhere, ties and signs included.
    std::mt19937 random(99);
    std::uniform_real_distribution<double> real(-2000, 2000);
    for (int i = 0; i < 20000; ++i) {
        const double x = i % 2 ? real(random) : std::ldexp(std::trunc(real(random) * 4096), -i % 20);
        QString exact = formatFixed(x, 6, QLatin1Char('.'));
        while (exact.endsWith('0'))
            exact.chop(1);
        if (exact.endsWith('.')) exact.chop(1);
        ASSERT_EQ(formatNumber(x), exact) << x;
    }
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(1e300).size(), 301);

    EXPECT_EQ(toLocalDecimal("1.5,3", ','), "1,5,3");
    EXPECT_EQ(toLocalDecimal("1,5", '.'), "1.5");
    EXPECT_EQ(toLocalDecimal("15", ','), "15");
    EXPECT_EQ(normaliseNumber("12,50", ',').value_or("?"), "12.5");
    EXPECT_EQ(normaliseNumber("12.50", ',').value_or("?"), "12.5");
    EXPECT_EQ(normaliseNumber("-0,1", '.').value_or("?"), "-0.1");
    EXPECT_FALSE(normaliseNumber("abc", ','));
    EXPECT_FALSE(normaliseNumber("", '.'));
}

TEST(ObjectText, FirstKeypointCountedFromTheSlideGivesTheOffsetDirectly) {
    const ObjectRead r =
        readObject(object("3;4000;4500;5500;1;0;2;0;1;0;1;", {entry(1, "0", "SlideBegin")}), true);
    ASSERT_EQ(r.status, ObjectRead::Status::Accepted);
    EXPECT_EQ(r.firstKeypointTime, 0);
    EXPECT_EQ(r.slideOffset, 4000);
    EXPECT_TRUE(r.firstTimeReliable);
    EXPECT_EQ(r.panSpeedLine, 3);
    EXPECT_EQ(r.keyPointLine, 7);
    EXPECT_EQ(r.trace, (QStringList{"Ligne de PanSpeed = 3", "Le clipboard a 22 lignes",
                                    "La vue commence à : 4000", "1er KP situé à : 4000 du début du diaporama",
                                    "1er KP situé à : 0 du début de la vue", ""}));

    // The trace quotes both first times as written; only the offset is computed.
    const ObjectRead padded = readObject(object("3;+04000;4500;1;", {entry(1, "0250", "SlideBegin")}), true);
    ASSERT_EQ(padded.status, ObjectRead::Status::Accepted);
    EXPECT_EQ(padded.trace.mid(2, 3),
              (QStringList{"La vue commence à : 3750", "1er KP situé à : +04000 du début du diaporama",
                           "1er KP situé à : 0250 du début de la vue"}));
    EXPECT_EQ(padded.firstTimeText, "250");
}

TEST(ObjectText, SecondKeypointFromTheSlideCorrectsTheFirstTime) {
    const ObjectRead r =
        readObject(object("3;4800;7000;9000;1;0;2;0;1;0;1;",
                          {entry(1, "+300", "PrevEffectEnd"), entry(2, "2500", "SlideBegin")}),
                   false);
    ASSERT_EQ(r.status, ObjectRead::Status::Accepted);
    EXPECT_EQ(r.slideOffset, 4500);
    EXPECT_EQ(r.firstKeypointTime, 300);
    EXPECT_EQ(r.firstTimeText, "300");
    EXPECT_FALSE(r.firstTimeReliable);
    EXPECT_FALSE(r.valuesTaken);

    // Without such a second keypoint the first one is put at 2 s; the offset
    // stays the one of the first keypoint's own time.
    for (const QList<QStringList>& entries :
         {QList<QStringList>{entry(1, "300", "SlideEnd")},
          QList<QStringList>{entry(1, "300", "NextEffectBegin"), entry(2, "2500", "PrevEffectEnd")}}) {
        const ObjectRead one = readObject(object("1;4800;0;0;1;", entries), true);
        ASSERT_EQ(one.status, ObjectRead::Status::Accepted);
        EXPECT_EQ(one.firstKeypointTime, 2000);
        EXPECT_EQ(one.slideOffset, 4500);
        EXPECT_FALSE(one.firstTimeReliable);
    }
    // An origin the host does not write counts as not from the slide's beginning.
    const ObjectRead odd = readObject(
        object("3;4800;7000;0;1;", {entry(1, "300", "Somewhere"), entry(2, "2500", "SlideBegin  ")}), true);
    EXPECT_EQ(odd.firstKeypointTime, 300);
    EXPECT_EQ(odd.slideOffset, 4500);
    EXPECT_FALSE(odd.firstTimeReliable);
}

TEST(ObjectText, ABadTimeFieldInTheSpeedValueIsReportedWithItsText) {
    const auto read = [](const QString& pan, const QString& secondTime = "2500") {
        return readObject(object(pan, {entry(1, "300", "PrevEffectEnd"), entry(2, secondTime, "SlideBegin")}),
                          true);
    };
    ObjectRead r = read("3;4800;7x00;1;");
    EXPECT_EQ(r.status, ObjectRead::Status::BadSpeedField);
    EXPECT_EQ(r.badText, "7x00");
    r = read("3;4800;7000");
    EXPECT_EQ(r.status, ObjectRead::Status::BadSpeedField);
    EXPECT_EQ(r.badText, "7000");
    EXPECT_EQ(read("3;4800;7000;", "2,5").status, ObjectRead::Status::NotAnObject);
    EXPECT_EQ(read("3;4800;7000;").status, ObjectRead::Status::Accepted);
}

TEST(ObjectText, TimesWhoseOffsetLeavesThe32BitRangeAreRefusedOrTakenAsZero) {
    // Each value fits, their difference does not: no wrapped offset is taken.
    const QString far = "3;2000000000;0;1;";
    EXPECT_EQ(readObject(object(far, {entry(1, "-2000000000", "SlideBegin")}), true).status,
              ObjectRead::Status::NotAnObject);
    EXPECT_EQ(readObject(object("3;-2000000000;0;1;", {entry(1, "2000000000", "SlideBegin")}), true).status,
              ObjectRead::Status::NotAnObject);
    const auto corrected = [](const QString& pan, const QString& secondTime) {
        return readObject(object(pan, {entry(1, "0", "PrevEffectEnd"), entry(2, secondTime, "SlideBegin")}),
                          true)
            .status;
    };
    EXPECT_EQ(corrected("3;0;2000000000;1;", "-2000000000"), ObjectRead::Status::NotAnObject);
    EXPECT_EQ(corrected("3;-2000000000;2000000000;1;", "0"), ObjectRead::Status::NotAnObject);
    EXPECT_EQ(corrected("3;-2000000000;1000;1;", "0"), ObjectRead::Status::Accepted);

    const std::optional<TransferTarget> target =
        readTransferTarget(object(far, {entry(1, "-2000000000", "SlideBegin")}));
    ASSERT_TRUE(target);
    EXPECT_EQ(target->firstKeypointTime, -2000000000);
    EXPECT_EQ(target->offset, 0);
}

TEST(ObjectText, TextsThatAreNotObjectsAreRefused) {
    const QStringList good = object("1;1000;0;0;1;", {entry(1, "0", "SlideBegin")});
    ASSERT_EQ(readObject(good, true).status, ObjectRead::Status::Accepted);
    const auto refused = [](const QStringList& lines) {
        return readObject(lines, true).status == ObjectRead::Status::NotAnObject;
    };
    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused(splitClipboardText(QString::fromLatin1("\x01\x02\xff\xfe binary\x03"))));
    EXPECT_TRUE(refused(good.mid(0, 9)));
    QStringList noHeader = good;
    noHeader[0] = "Some text copied from an editor";
    EXPECT_TRUE(refused(noHeader));
    EXPECT_TRUE(refused(QStringList{"x"} + good)); // the header must be the first line
    for (const QString pan : {"1", "1;1000", "1;abc;0;", "1;;0;", "1;10.5;0;"}) {
        QStringList bad = good;
        bad[3] = "  PanSpeed=" + pan;
        EXPECT_TRUE(refused(bad)) << pan.toStdString();
    }
    QStringList noPan = good;
    noPan[3] = "  panSpeed=1;1000;0;0;1;";
    EXPECT_TRUE(refused(noPan));
    EXPECT_TRUE(refused(object("1;1000;0;0;1;", {})));
    EXPECT_TRUE(refused(object("1;1000;0;0;1;", {entry(1, "zero", "SlideBegin")})));
    QStringList cut = good.mid(0, 12); // the entry stops after its Opacity line
    EXPECT_TRUE(refused(cut));
    QStringList shortEntry = good;
    shortEntry.removeAt(18); // no ZPos line: an entry of 12 lines
    EXPECT_TRUE(refused(shortEntry));
    QStringList longEntry = good; // a host property unknown here does not refuse the object
    longEntry.insert(19, "    Blur=0");
    EXPECT_FALSE(refused(longEntry));
    // Keypoints of a second object do not make the first one an object.
    QStringList twoObjects = object("1;1000;0;0;1;", {});
    twoObjects += QStringList{"object Autre:Box"} + entry(1, "0", "SlideBegin") + QStringList{"end"};
    EXPECT_TRUE(refused(twoObjects));
}

TEST(ObjectText, ValuesOfTheFirstKeypointAreKeptAsText) {
    QStringList e = entry(1, "0", "SlideBegin", "12,5");
    e[3] = "    Opacity=80";
    e[5] = "    ScaleX=150";
    e[6] = "    ScaleY=150";
    e[8] = "    CenterPos=5,-5";
    e[11] = "    ZPos=-3.25";
    const ObjectRead r = readObject(object("1;1000;0;0;1;", {e}), true);
    ASSERT_EQ(r.status, ObjectRead::Status::Accepted);
    EXPECT_EQ(r.defaults.opacity, "80");
    EXPECT_EQ(r.defaults.angle, "12,5");
    EXPECT_EQ(r.firstAngle, 12.5L);
    EXPECT_EQ(r.defaults.centreX, "5");
    EXPECT_EQ(r.defaults.centreY, "-5");
    EXPECT_EQ(r.defaults.zPos, "-3.25");
    EXPECT_TRUE(r.zoomEqual);
    EXPECT_FALSE(r.centreEqual);
    EXPECT_EQ(readObject(object("1;1000;0;0;1;", {entry(1, "0", "SlideBegin", "0.1")}), true).firstAngle,
              0.1L); // read in extended precision, not through a double
    EXPECT_EQ(readObject(object("1;1000;0;0;1;", {entry(1, "0", "SlideBegin", "n/a")}), true).firstAngle, 0);
}

TEST(ObjectText, SpeedValueListsEveryKeypointTimeInTheShow) {
    CurveDocument doc;
    doc.curve.samplePoints[0].time = 0;
    doc.curve.samplePoints[1].time = 500;
    doc.curve.samplePoints[2].time = 1000;
    EXPECT_EQ(speedValue(runningTimes(doc, 3, 4000)), "3;4000;4500;5500;1;0;2;0;1;0;1;");
    doc.curve.samplePoints[0].time = 250;
    EXPECT_EQ(speedValue(runningTimes(doc, 1, 4000)), "1;4250;1;0;0;0;1;0;1;");

    QStringList list =
        keyPointBlock(1, 120, positionLine(0, 0), {}) + keyPointBlock(2, 480, positionLine(1, 2), {});
    EXPECT_EQ(speedValue(listedTimes(list, 2)), "2;120;480;1;0;1;0;1;0;1;");
    EXPECT_EQ(listedTimes(list, 5).size(), 2u); // never beyond the blocks present
    EXPECT_EQ(positionLine(50, -50), "  Position=50,-50");
}

TEST(ObjectText, MergingReplacesSpeedLinesAndEntriesAndKeepsTheRest) {
    const QStringList source = object("9;1;", {entry(1, "0", "SlideBegin"), entry(2, "5", "PrevEffectEnd")});
    const QStringList list = keyPointBlock(1, 10, positionLine(0, 0), {});
    QStringList trace;
    const QStringList once = mergeKeyPointList(source, list, "S", &trace).value();
    QStringList expected = object("S", {});
    expected.insert(7, "  object KeyPoint1:KeyPoint");
    for (int i = 1; i < 13; ++i)
        expected.insert(7 + i, "  " + list[i]);
    EXPECT_EQ(once, expected);
    EXPECT_EQ(trace.size(), source.size() - 1);
    EXPECT_EQ(trace.first(), "  Antialiased=0");
    EXPECT_EQ(trace.last(), "PicturesToExe-Obj");
    EXPECT_EQ(mergeKeyPointList(once, list, "S").value(), once); // writing twice gives the same text
    EXPECT_FALSE(mergeKeyPointList(QStringList{"PicturesToExe-Objects", "object A:B", "end"}, list, "S"));
}

TEST(ObjectText, SpeedLinesAreRewrittenWhereTheyStandOrAddedAfterPanSpeed) {
    QStringList lines = object("1;0;", {entry(1, "0", "SlideBegin")});
    lines.removeAt(4); // no RotateSpeed
    lines.removeAt(4); // no ZoomSpeed
    QStringList merged = mergeKeyPointList(lines, {}, "S").value();
    EXPECT_EQ(merged.mid(0, 7),
              (QStringList{"PicturesToExe-Objects", "object Essai:Box", "  GUID={1}", "  PanSpeed=S",
                           "  RotateSpeed=S", "  ZoomSpeed=S", "  TreeNode=1"}));

    QStringList moved{"PicturesToExe-Objects",
                      "object M:Box",
                      "  RotateSpeed=1;",
                      "  PanSpeed=1;",
                      "  Size=1,1",
                      "  ZoomSpeed=1;",
                      "  Tail=1",
                      "end"};
    merged = mergeKeyPointList(moved, {}, "S").value();
    EXPECT_EQ(merged, (QStringList{"PicturesToExe-Objects", "object M:Box", "  RotateSpeed=S", "  PanSpeed=S",
                                   "  Size=1,1", "  ZoomSpeed=S", "  Tail=1", "end"}));
}

TEST(ObjectText, EntriesAreRemovedOverTheirOwnLinesOnlyAndOnlyInTheirObject) {
    QStringList lines = object("1;0;", {entry(1, "0", "SlideBegin"), entry(2, "1", "SlideBegin")});
    lines.insert(32, "    Extra=1"); // a 14-line entry
    lines.removeAt(19);              // an entry that lost its end line before it
    QStringList other{"object Autre:Box", "  PanSpeed=1;0;"};
    other += entry(1, "7", "SlideBegin");
    other << "end";
    const QStringList merged =
        mergeKeyPointList(lines + other, {"object KeyPoint1:KeyPoint", "end"}, "S").value();
    EXPECT_EQ(merged, (QStringList{"PicturesToExe-Objects", "object Essai:Box", "  GUID={1}", "  PanSpeed=S",
                                   "  RotateSpeed=S", "  ZoomSpeed=S", "  TreeNode=1",
                                   "  object KeyPoint1:KeyPoint", "  end", "  Antialiased=0", "end"} +
                       other));

    // An entry cut short by the end of the text loses only its own lines.
    QStringList cut = object("1;0;", {}).mid(0, 7) + entry(1, "0", "SlideBegin").mid(0, 5);
    EXPECT_EQ(mergeKeyPointList(cut, {"K"}, "S").value(), object("S", {}).mid(0, 7) + QStringList{"  K"});
}

TEST(ObjectText, MergingNeverLosesALineThatIsNotASpeedLineOrAnEntryLine) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        QStringList lines{"PicturesToExe-Objects", "object R:Box", "  PanSpeed=1;"};
        QStringList kept = lines.mid(0, 2);
        const int parts = std::uniform_int_distribution<int>(0, 12)(random);
        for (int p = 0; p < parts; ++p) {
            if (random() % 3) {
                const QString line = QStringLiteral("  Prop%1=%2").arg(p).arg(random() % 100);
                lines << line;
                kept << line;
                continue;
            }
            lines << QStringLiteral("  object KeyPoint%1:KeyPoint").arg(p);
            const int body = std::uniform_int_distribution<int>(0, 14)(random);
            for (int b = 0; b < body; ++b)
                lines << QStringLiteral("    K%1=%2").arg(b).arg(p);
            if (random() % 4) lines << "  end";
        }
        lines << "end";
        kept << "end";
        const QStringList merged =
            mergeKeyPointList(lines, {"object KeyPoint1:KeyPoint", "end"}, "S").value();
        QStringList rest;
        for (const QString& line : merged)
            if (!line.contains("Speed=") && !line.startsWith("  object KeyPoint1:") && line != "  end")
                rest << line;
        EXPECT_EQ(rest, kept) << "round " << round;
        EXPECT_EQ(merged.count("  PanSpeed=S"), 1);
        EXPECT_EQ(merged.count("  object KeyPoint1:KeyPoint"), 1);
    }
}

TEST(ObjectText, EntriesAndSpeedLinesIndentedOtherwiseAreReplacedWhole) {
    QStringList tabbed = entry(2, "10", "SlideBegin");
    for (int i = 1; i < 12; ++i)
        tabbed[i] = "\t" + tabbed[i].trimmed();
    QStringList threeSpaces = entry(3, "20", "SlideBegin");
    for (int i = 1; i < 13; ++i)
        threeSpaces[i] = "   " + threeSpaces[i].trimmed();
    QStringList tabbedHeader = entry(4, "30", "SlideBegin");
    tabbedHeader[0] = "\t" + tabbedHeader[0].trimmed();
    QStringList lines = object("1;0;", {entry(1, "0", "SlideBegin"), tabbed, threeSpaces, tabbedHeader});
    lines[4] = "\tRotateSpeed=1;0;";
    lines[5] = "   ZoomSpeed=1;0;";
    const QStringList list{"object KeyPoint1:KeyPoint", "end"};
    EXPECT_EQ(mergeKeyPointList(lines, list, "S").value(),
              object("S", {{"  object KeyPoint1:KeyPoint", "  end"}}));

    // A child object keeps its own speed lines and keypoints; the parent's
    // missing ZoomSpeed is added to the parent only.
    QStringList child{"  object Enfant:Text", "    ZoomSpeed=9;",
                      "  " + entry(1, "5", "SlideBegin").join("\n  "), "  end"};
    child = child.join("\n").split("\n");
    QStringList parent = object("1;0;", {entry(1, "0", "SlideBegin")});
    parent.removeAt(5);
    for (int i = 0; i < child.size(); ++i)
        parent.insert(6 + i, child[i]);
    QStringList expected = object("S", {{"  object KeyPoint1:KeyPoint", "  end"}});
    for (int i = 0; i < child.size(); ++i)
        expected.insert(7 + i, child[i]);
    EXPECT_EQ(mergeKeyPointList(parent, list, "S").value(), expected);
}
