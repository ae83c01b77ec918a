#include "core/CurveRecord.h"
#include "core/Consistency.h"
#include "core/CurveSession.h"
#include "platform/Numbers.h"

using namespace trajecta;

namespace {

// A recorded curve read back gives the geometry it was written from, whatever
// the frame and the closing.
TEST(CurveRecord, WhatIsWrittenReadsBack) {
    CurveDocument doc;
    doc.workflow.workWidth = 1000;
    doc.workflow.workHeight = 600;
    CurveGeometry& curve = doc.curve;
    const std::vector<QPoint> points{{-30, 900}, {200, 100}, {300, 100}, {400, 200},
                                     {500, 300}, {600, 300}, {7, 8}};
    const std::vector<int> states{13, 11, 12, 10, 1, 2, 4};
    curve.controlPointCount = 7;
    curve.partCount = 2;
    std::copy(points.begin(), points.end(), curve.controlPoints.begin());
    std::copy(states.begin(), states.end(), curve.pointStates.begin());
    curve.partSampleCounts[0] = 20;
    curve.partSampleCounts[1] = 60;

    for (const bool framed : {false, true}) {
        SCOPED_TRACE(framed);
        doc.frame.framePresent = framed;
        doc.frame.frameRect = {100, 100, 900, 500};
        curve.closedCurve = framed;
        QStringList record = curveRecordStart("08/12/2026", "16/10", 1000, 600);
        writeCurveBlock(record, doc, QLatin1Char(','));
        writeCurveBlock(record, doc, QLatin1Char(',')); // written again: the block replaces the old one
        ASSERT_EQ(record.size(), 6 + 2 + 7 + 1 + 2 + 1);
        EXPECT_EQ(record[8], "point 1 (-30x900)  %[-3,00000x150,00000]  Etat : /13\\");
        EXPECT_EQ(record[15], framed ? "cadre : 100,100,900,500," : "cadre : ---");

        const std::optional<RecordedCurve> read = readCurveRecord(record, 0);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->formatName, "16/10");
        EXPECT_EQ(read->width, 1000);
        EXPECT_EQ(read->height, 600);
        EXPECT_EQ(read->partCount, 2);
        EXPECT_EQ(read->points, points);
        EXPECT_EQ(read->states, states);
        EXPECT_EQ(read->framePresent, framed);
        if (framed) {
            EXPECT_EQ(read->frame.left, 100);
            EXPECT_EQ(read->frame.bottom, 500);
        }
        EXPECT_EQ(read->parts, (std::vector<std::pair<int, int>>{{0, 20}, {1, 60}}));
        EXPECT_EQ(read->closed, framed);

        removeCurveBlock(record);
        EXPECT_EQ(record, curveRecordStart("08/12/2026", "16/10", 1000, 600));
    }
}

QStringList sampleRecord() {
    return {"Fait le 08/12/2026",
            "-----",
            "=== Etape 1 ===",
            "format : 16/9",
            "taille : /1280x720\\",
            "-----",
            "=== Etape 2 et 3 ===",
            "parties= /1\\",
            "point 1 (10x20)  %[0x0]  Etat : /3\\",
            "point 2 (30x20)  %[0x0]  Etat : /1\\",
            "point 3 (50x20)  %[0x0]  Etat : /2\\",
            "point 4 (70x20)  %[0x0]  Etat : /4\\",
            "cadre : ---",
            "partie (0) [20]",
            "Fermer la courbe : non"};
}

// A hand-edited or truncated record is refused as a whole, never read past its end.
TEST(CurveRecord, BrokenRecordsAreRefused) {
    ASSERT_TRUE(readCurveRecord(sampleRecord(), 0).has_value());
    const auto refused = [](QStringList lines) { return !readCurveRecord(lines, 0).has_value(); };
    QStringList r = sampleRecord();
    r.removeAll("-----");
    EXPECT_TRUE(refused(r)) << "no separator";
    for (int cut = 2; cut < sampleRecord().size(); ++cut)
        EXPECT_TRUE(refused(sampleRecord().mid(0, cut))) << "cut after " << cut << " lines";
    r = sampleRecord();
    r[4] = "taille : /1280*720\\";
    EXPECT_TRUE(refused(r)) << "size without x";
    r = sampleRecord();
    r[9] = "point 2 (3ax20)  %[0x0]  Etat : /1\\";
    EXPECT_TRUE(refused(r)) << "unreadable point";
    r = sampleRecord();
    r[12] = "cadre : 1,2,3";
    EXPECT_TRUE(refused(r)) << "frame of three values";
    r = sampleRecord();
    r[13] = "partie (16) [20]";
    EXPECT_TRUE(refused(r)) << "part index beyond 15";
    r = sampleRecord();
    r[13] = "partie (0) [0]";
    EXPECT_TRUE(refused(r)) << "a part without samples";
    r = sampleRecord();
    r[7] = "parties= /17\\";
    EXPECT_TRUE(refused(r)) << "more parts than a curve holds";
    r = sampleRecord();
    for (int i = 0; i < 45; ++i)
        r.insert(12, "point 5 (1x1)  %[0x0]  Etat : /0\\");
    EXPECT_FALSE(refused(r)) << "49 points";
    r.insert(12, "point 5 (1x1)  %[0x0]  Etat : /0\\");
    EXPECT_TRUE(refused(r)) << "50 points";

    // An unreadable part count keeps the one the document had.
    r = sampleRecord();
    r[7] = "parties= /x\\";
    r.insert(14, "partie (1) [30]");
    const std::optional<RecordedCurve> read = readCurveRecord(r, 2);
    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(read->partCount.has_value());
    EXPECT_EQ(read->parts.size(), 2u);
    EXPECT_EQ(textBetween("a)b(c", '(', ')'), "");
}

class ConsistencyTest : public CurveSession {};

// A marked and finished curve is sound; each kind of damage is named.
TEST_F(ConsistencyTest, BrokenInvariantsAreNamed) {
    create();
    markMany(5);
    EXPECT_TRUE(checkConsistency(doc()).isEmpty()) << "a loose point while marking is fine";
    click("LblStopMarquage");
    click("LblOKcourbe");
    ASSERT_TRUE(checkConsistency(doc()).isEmpty()) << checkConsistency(doc()).join('\n').toStdString();

    const auto broken = [&](auto damage) {
        CurveDocument copy = doc();
        damage(copy);
        return checkConsistency(copy).size();
    };
    EXPECT_EQ(broken([](CurveDocument& d) { d.curve.controlPointCount = 5; }), 1);
    EXPECT_EQ(broken([](CurveDocument& d) { d.curve.partCount = 2; }), 2);
    EXPECT_EQ(broken([](CurveDocument& d) { d.curve.sampleCount = 20; }), 1);
    EXPECT_EQ(broken([](CurveDocument& d) { d.curve.pointStates[2] = 7; }), 1);
    EXPECT_EQ(broken([](CurveDocument& d) { d.curve.controlPointCount = 50; }), 1);
    EXPECT_EQ(broken([](CurveDocument& d) { d.lists.LbxListeKP = QStringList(12); }), 1);
    EXPECT_EQ(broken([](CurveDocument& d) {
                  d.workflow.currentStep = Step::Parameters;
                  d.workflow.objectTextBuilt = true;
                  d.lists.LbxListeKP = QStringList(13 * 20);
              }),
              1);
}

} // namespace
