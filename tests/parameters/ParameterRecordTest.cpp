#include "parameters/ParameterRecord.h"
#include "host/ObjectText.h"

#include <gtest/gtest.h>

namespace trajecta {
namespace {

KeyPointDefaults defaults() {
    return {"100", "0", "100", "100", "0", "0", "0", "0", "0"};
}

KeypointRecords keypointRecords(int count) {
    KeypointRecords records;
    for (int k = 0; k < count; ++k)
        records.push_back(keypointWith(defaults(), 1000 * k));
    return records;
}

QStringList written(const KeypointRecords& records) {
    QStringList list;
    for (int k = 0; k < records.size(); ++k)
        list += keyPointBlock(k + 1, records.at(k), positionLine(k, -k));
    return list;
}

QStringList keypointList(int count) {
    return written(keypointRecords(count));
}

QString lineOf(const QStringList& list, int keypoint, int offset) {
    return list.at(13 * keypoint + offset);
}

QStringList column(const QStringList& list, int from, int to, int offset) {
    QStringList out;
    for (int k = from; k <= to; ++k)
        out << lineOf(list, k, offset);
    return out;
}

PanelReading panel() {
    PanelReading p;
    for (int i = 0; i < parameterCount; ++i)
        p.texts[static_cast<size_t>(i)] = {parameterInfo(i).initialText, parameterInfo(i).initialText};
    return p;
}

void tick(PanelReading& p, Parameter which, const QString& start, const QString& end) {
    p.ticked[static_cast<size_t>(which)] = true;
    p.texts[static_cast<size_t>(which)] = {start, end};
}

struct Applied {
    QStringList log;
    QStringList list;
    QStringList trace;
};

Applied record(const PanelReading& p, int s, int e, int keypoints = 8, const AngleState& angles = {}) {
    TParametres r;
    KeypointRecords records = keypointRecords(keypoints);
    Applied out{*buildParameterRecord(p, s, e, r), {}, {}};
    EXPECT_TRUE(applyParameterRecord(records, r, angles, out.trace, QLatin1Char(',')));
    out.list = written(records);
    return out;
}

TEST(ParameterRecord, WorkedOpacityAndTiedZoomRecord) {
    PanelReading p = panel();
    tick(p, Parameter::Opacity, "100", "40");
    tick(p, Parameter::ZoomX, "100", "130");
    tick(p, Parameter::ZoomY, "100", "130");
    p.zoomTied = true;
    const Applied a = record(p, 2, 5);
    EXPECT_EQ(a.log, (QStringList{"Début-Fin : (2/5)", "1-Opacité : (100/40)", "2-ZoomX : (100/130)",
                                  "ZoomEgal : vrai", "3-ZoomY : (100/130)", "---"}));
    EXPECT_EQ(column(a.list, 1, 6, 3), (QStringList{"  Opacity=100", "  Opacity=100", "  Opacity=80",
                                                    "  Opacity=60", "  Opacity=40", "  Opacity=100"}));
    EXPECT_EQ(column(a.list, 2, 5, 5),
              (QStringList{"  ScaleX=100", "  ScaleX=110", "  ScaleX=120", "  ScaleX=130"}));
    EXPECT_EQ(column(a.list, 2, 5, 6),
              (QStringList{"  ScaleY=100", "  ScaleY=110", "  ScaleY=120", "  ScaleY=130"}));
    // Nothing else changed.
    const QStringList before = keypointList(8);
    for (int i = 0; i < before.size(); ++i) {
        const int k = i / 13, offset = i % 13;
        if (k >= 2 && k <= 5 && (offset == 3 || offset == 5 || offset == 6)) continue;
        ASSERT_EQ(a.list.at(i), before.at(i)) << i;
    }
}

TEST(ParameterRecord, InterpolationRoundsAndFormatsNumbers) {
    PanelReading p = panel();
    tick(p, Parameter::Opacity, "0", "5");
    EXPECT_EQ(column(record(p, 0, 2).list, 0, 2, 3),
              (QStringList{"  Opacity=0", "  Opacity=2", "  Opacity=5"}));
    tick(p, Parameter::Opacity, "0", "3");
    EXPECT_EQ(lineOf(record(p, 0, 2).list, 1, 3), "  Opacity=2");
    tick(p, Parameter::Opacity, "0", "100");
    EXPECT_EQ(column(record(p, 1, 6).list, 2, 5, 3),
              (QStringList{"  Opacity=20", "  Opacity=40", "  Opacity=60", "  Opacity=80"}));
    tick(p, Parameter::Opacity, "7", "050"); // opacity texts are copied as typed
    EXPECT_EQ(lineOf(record(p, 3, 4).list, 4, 3), "  Opacity=050");

    PanelReading z = panel();
    tick(z, Parameter::ZoomX, "100", "50");
    z.zoomTied = true;
    const Applied a = record(z, 1, 4);
    EXPECT_EQ(column(a.list, 2, 3, 5), (QStringList{"  ScaleX=83.333333", "  ScaleX=66.666667"}));
    EXPECT_EQ(column(a.list, 2, 3, 6), (QStringList{"  ScaleY=83.333333", "  ScaleY=66.666667"}));

    PanelReading r = panel();
    tick(r, Parameter::Rotation, "12,50", "-0.5");
    const Applied b = record(r, 0, 1);
    EXPECT_EQ(b.log.at(1), "4-rotation : (12,50/-0,5)  avec angle : Non  ");
    EXPECT_EQ(column(b.list, 0, 1, 4), (QStringList{"  Angle=12.5", "  Angle=-0.5"}));
}

TEST(ParameterRecord, CentreTiedUntiedAndThreeD) {
    PanelReading p = panel();
    tick(p, Parameter::CentreX, "10", "40");
    p.centreTied = true;
    Applied a = record(p, 0, 3);
    EXPECT_EQ(a.log, (QStringList{"Début-Fin : (0/3)", "5-centreX : (10/40)", "CentreEgal : vrai", "---"}));
    EXPECT_EQ(column(a.list, 0, 3, 8), (QStringList{"  CenterPos=10,10", "  CenterPos=20,20",
                                                    "  CenterPos=30,30", "  CenterPos=40,40"}));
    PanelReading y = panel();
    tick(y, Parameter::CentreY, "-3", "3");
    a = record(y, 5, 7);
    EXPECT_EQ(column(a.list, 5, 7, 8),
              (QStringList{"  CenterPos=0,-3", "  CenterPos=0,0", "  CenterPos=0,3"}));

    PanelReading d = panel();
    d.threeD = true;
    tick(d, Parameter::ThreeDZ, "1", "2");
    tick(d, Parameter::ThreeDY, "5", "5");
    a = record(d, 0, 1);
    EXPECT_EQ(a.log, (QStringList{"Début-Fin : (0/1)", "8-3DY : (5/5)", "9-3DZ : (1/2)", "---"}));
    EXPECT_EQ(lineOf(a.list, 1, 11), "  ZPos=2");
    EXPECT_EQ(lineOf(a.list, 0, 10), "  AngleY=5");

    // 3D ticked without a sub-box: a record of the range alone, no 3D line.
    PanelReading none = panel();
    none.threeD = true;
    TParametres r;
    EXPECT_EQ(*buildParameterRecord(none, 0, 1, r), (QStringList{"Début-Fin : (0/1)", "---"}));
    EXPECT_FALSE(r.threeDOn);
    // A sub-box without 3D, or nothing at all, is no record.
    PanelReading sub = panel();
    sub.ticked[static_cast<size_t>(Parameter::ThreeDX)] = true;
    EXPECT_FALSE(buildParameterRecord(sub, 0, 1, r));
}

TEST(ParameterRecord, RotationFollowsTheTangentWithTheShift) {
    AngleState angles;
    for (int i = 0; i < 6; ++i)
        angles.tangentAngles[static_cast<size_t>(i)] = 10.0 * i;
    angles.initialAngleOffset = 7.125;
    PanelReading p = panel();
    tick(p, Parameter::Rotation, "0", "90");
    p.addTangent = true;
    Applied a = record(p, 1, 4, 6, angles);
    EXPECT_EQ(a.log.at(1), "4-rotation : (0/90)  avec angle : Oui  0=Tangente");
    EXPECT_EQ(column(a.list, 1, 4, 4),
              (QStringList{"  Angle=10", "  Angle=50", "  Angle=90", "  Angle=130"}));
    EXPECT_EQ(a.trace, (QStringList{"1ère ligne: decal/Tb0/DecalDep7,13/0,00"}));

    p.zeroItem = 1;
    updateAngleOffsets(angles, 100.0L, 1);
    EXPECT_EQ(angles.initialAngleOffset, 100.0L);
    a = record(p, 0, 2, 6, angles);
    EXPECT_EQ(a.log.at(1), "4-rotation : (0/90)  avec angle : Oui  0=DécalageOrigine");
    // Keypoint 0 starts at the host's first angle and turns with the curve.
    EXPECT_EQ(column(a.list, 0, 2, 4), (QStringList{"  Angle=100", "  Angle=155", "  Angle=210"}));
}

TEST(ParameterRecord, RefusesRangesAndTextsItCannotApply) {
    TParametres r;
    r.opacityOn = true;
    r.opacityStart = "1";
    r.opacityEnd = "2";
    QStringList trace;
    KeypointRecords list = keypointRecords(3);
    const KeypointRecords before = list;
    r.startIndex = 1;
    r.endIndex = 3; // past the last block
    EXPECT_FALSE(applyParameterRecord(list, r, {}, trace, ','));
    r.endIndex = 1;
    EXPECT_FALSE(applyParameterRecord(list, r, {}, trace, ','));
    r.endIndex = 2;
    r.zoomXOn = true;
    r.zoomXStart = "abc";
    r.zoomXEnd = "1";
    EXPECT_FALSE(applyParameterRecord(list, r, {}, trace, ','));
    EXPECT_EQ(list, before);
}

TEST(ParameterLog, ReadsRecordsTiedLinesAndStopsAtABadRange) {
    const QStringList file{"=== Etape 5 les paramètres ===",
                           "x",
                           "=== Etape 5 les paramètres ===",
                           "---",
                           "Début-Fin : (2/5)",
                           "2-ZoomX : (100/130)",
                           "ZoomEgal : vrai",
                           "3-ZoomY : (1/1)",
                           "4-rotation : (0/90)  avec angle : Oui  0=DécalageOrigine",
                           "---",
                           "",
                           "Début-Fin : (0/1)",
                           "5-centreX : (1,5/2)",
                           "CentreEgal : faux",
                           "6-centreY : (3/4)",
                           "x-bad : (1/2)",
                           "---",
                           "Début-Fin : (4/4)",
                           "1-Opacité : (1/2)",
                           "---"};
    const ParameterLog log = readParameterLog(file, 10);
    EXPECT_FALSE(log.readable);
    ASSERT_EQ(log.records.size(), 2u);
    const LoggedRecord& first = log.records[0];
    EXPECT_EQ(first.start, 2);
    EXPECT_EQ(first.end, 5);
    ASSERT_EQ(first.lines.size(), 2u);
    EXPECT_EQ(first.lines[0].number, 2);
    EXPECT_TRUE(first.lines[0].tied);
    EXPECT_EQ(first.lines[1].number, 4);
    EXPECT_TRUE(rotationAddsTangent(first.lines[1].text));
    EXPECT_EQ(rotationZeroItem(first.lines[1].text), 1);
    const LoggedRecord& second = log.records[1];
    ASSERT_EQ(second.lines.size(), 3u);
    EXPECT_FALSE(second.lines[0].tied);
    EXPECT_EQ(second.lines[1].number, 6);
    EXPECT_EQ(second.lines[2].number, 0);
    EXPECT_EQ(readLoggedValues(second.lines[0], ',')->start, "1,5");
    EXPECT_FALSE(readLoggedValues(second.lines[2], ','));

    // Only the header and "---": no record, readable. No header at all: the same.
    EXPECT_TRUE(readParameterLog({"a", "=== Etape 5 les paramètres ===", "---"}, 5).readable);
    EXPECT_TRUE(readParameterLog({}, 5).records.empty());
    // A range past the curve, or truncated text, stops the reading.
    EXPECT_FALSE(readParameterLog({"", "=== Etape 5 les paramètres ===", "Début-Fin : (0/5)"}, 5).readable);
    EXPECT_FALSE(readParameterLog({"", "=== Etape 5 les paramètres ===", "Début-Fin : (0/"}, 5).readable);
    const LoggedLine opacity{1, "1-Opacité : (1,5/2)", false};
    EXPECT_FALSE(readLoggedValues(opacity, ','));
}

TEST(TangentTable, UnwrapsHalfTurnJumpsAndKeepsTurning) {
    double jumps[] = {0, 180, 0, -180};
    unwrapTangentAngles(jumps, 4);
    EXPECT_EQ(jumps[1], -180); // +180 becomes -180
    EXPECT_EQ(jumps[2], 0);
    EXPECT_EQ(jumps[3], 180); // -180 becomes +180
    // A direction that keeps turning one way grows past a whole turn.
    std::vector<double> circle;
    for (int i = 0; i < 100; ++i)
        circle.push_back(std::fmod(90.0 - 9.0 * i + 3600.0, 360.0));
    unwrapTangentAngles(circle.data(), static_cast<int>(circle.size()));
    for (size_t i = 1; i < circle.size(); ++i)
        EXPECT_DOUBLE_EQ(circle[i] - circle[i - 1], -9.0) << i;
}

TEST(ParameterEdits, KeyFiltersAndPastes) {
    const QChar sep(',');
    EXPECT_TRUE(opacityTextKept("15"));
    EXPECT_FALSE(opacityTextKept("150"));
    EXPECT_TRUE(opacityTextKept("100"));
    EXPECT_FALSE(opacityTextKept("1a0"));
    EXPECT_EQ(realKeyAccepted('.', "12", 2, true, sep), QChar(','));
    EXPECT_FALSE(realKeyAccepted(',', "1,2", 1, true, sep));
    EXPECT_FALSE(realKeyAccepted('.', "12", 0, true, sep));
    EXPECT_FALSE(realKeyAccepted('.', "-2", 1, true, sep));
    EXPECT_EQ(realKeyAccepted('-', "12", 0, true, sep), QChar('-'));
    EXPECT_FALSE(realKeyAccepted('-', "12", 0, false, sep)); // zoom edits
    EXPECT_FALSE(realKeyAccepted('-', "12", 1, true, sep));
    EXPECT_FALSE(realKeyAccepted('e', "12", 2, true, sep));
    EXPECT_EQ(pastedRealText("-5", sep), "-5"); // a pasted minus is kept, even in a zoom edit
    EXPECT_EQ(pastedRealText("2.5", sep), "2,5");
    EXPECT_FALSE(pastedRealText("2.5.1", sep));
    EXPECT_TRUE(panelTextReadable(Parameter::Rotation, "-0,5"));
    EXPECT_FALSE(panelTextReadable(Parameter::Opacity, "5,5"));
    EXPECT_EQ(generalNumber(12.5, sep), "12,5");
    EXPECT_EQ(generalNumber(100, sep), "100");
}

} // namespace
} // namespace trajecta
