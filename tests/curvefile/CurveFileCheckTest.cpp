#include "curvefile/CurveFileCheck.h"

#include <gtest/gtest.h>

#include <functional>

using namespace trajecta;

namespace {

// A small file of every record kind: one part of 20 samples (21 keypoints).
QStringList sampleFile() {
    return {"Fait le 08/12/2026",
            "-----",
            "=== Etape 1 ===",
            "format : 4/3",
            "taille : /800x600\\",
            "-----",
            "=== Etape 2 et 3 ===",
            "parties= /1\\",
            "point 1 (10x20)  %[1,25000x3,33333]  Etat : /3\\",
            "point 2 (300x20)  %[0x0]  Etat : /1\\",
            "point 3 (500x20)  %[0x0]  Etat : /2\\",
            "point 4 (700x20)  %[0x0]  Etat : /4\\",
            "cadre : 100,100,700,500,",
            "partie (0) [20]",
            "Fermer la courbe : non",
            "=== Etape 4 le temps ===",
            "temps 1er point: (0)",
            "début/fin : (1,20) choix temps +0",
            "temps : (261/261)  vitesse : -0",
            "",
            "début/fin : (2,6) choix temps +0",
            "temps : (100/1600)  vitesse : --1",
            "début/fin : (1,20) choix temps +1",
            "constante de durée tous points : (451)",
            "début/fin : (1,20) choix temps +2",
            "PourCoef {10020}  SommeDistances (690)  DistMini-DistMaxi [30/40]",
            "début/fin : (1,20) choix temps +7",
            "anything",
            "propo : (1,5)  [0.25]  {3}",
            "Ralenti -début : (4,6)",
            "Ralenti -fin : (15,9)",
            "=== Etape 5 les paramètres ===",
            "---",
            "RapportHV = 1,5",
            "Début-Fin : (3/10)",
            "1-Opacité : (20/80)",
            "2-ZoomX : (100/150,5)",
            "ZoomEgal : vrai",
            "3-ZoomY : (100/150,5)",
            "---"};
}

TEST(CurveFileCheck, EveryRecordKindIsRead) {
    const CheckedCurveFile checked = checkCurveFile(sampleFile(), 0);
    ASSERT_FALSE(checked.error.has_value()) << checked.error->line;
    const CurveFileContent& c = checked.content;
    EXPECT_EQ(c.sampleCount, 21);
    EXPECT_EQ(c.curve.width, 800);
    using K = TimeRecord::Kind;
    std::vector<K> kinds;
    for (const TimeRecord& r : c.times)
        kinds.push_back(r.kind);
    EXPECT_EQ(kinds, (std::vector<K>{K::Range, K::Range, K::ConstantTime, K::ConstantSpeed, K::Unknown,
                                     K::Proportional, K::SlowDownStart, K::SlowDownEnd}));
    const TimeRecord& range = c.times[1];
    EXPECT_EQ(range.line, 20);
    EXPECT_EQ(std::tuple(range.first, range.last, range.startTime, range.endTime, range.speedUp),
              std::tuple(2, 6, 100, 1600, true));
    EXPECT_FALSE(c.times[0].speedUp);
    EXPECT_EQ(c.times[2].gap, 451);
    EXPECT_EQ(c.times[3].coefficient, 10020);
    EXPECT_EQ(std::tuple(c.times[5].factor, c.times[5].offset, c.times[5].maximum),
              std::tuple(1.5, 0.25, 3.0));
    EXPECT_EQ(std::pair(c.times[7].extent, c.times[7].strength), std::pair(15, 9));
    ASSERT_EQ(c.parameters.records.size(), 1u);
    EXPECT_EQ(c.parameters.records[0].lines.size(), 2u) << "the tied zoom Y line is passed over";

    EXPECT_EQ(formatItem({"16/9", "16/10", "15/10", "4/3", "5/4"}, "4/3", 1, 1), 3);
    EXPECT_EQ(formatItem({"16/9", "16/10", "15/10", "4/3", "5/4"}, "large", 1600, 1000), 1);
}

// Each damage is found before anything is replayed, on the line that holds it.
TEST(CurveFileCheck, DamageIsFoundOnItsLine) {
    struct Case {
        const char* what;
        std::function<void(QStringList&)> damage;
        qsizetype line;
    };
    const std::vector<Case> cases{
        {"no separator", [](QStringList& f) { f.removeAll("-----"); }, 38},
        {"cut in the points", [](QStringList& f) { f = f.mid(0, 10); }, 10},
        {"zero width", [](QStringList& f) { f[4] = "taille : /0x600\\"; }, 4},
        {"points for one part of two",
         [](QStringList& f) {
             f[7] = "parties= /2\\";
             f.insert(14, "partie (1) [20]");
         },
         7},
        {"unreadable point", [](QStringList& f) { f[9] = "point 2 (3OOx20)  %[0x0]  Etat : /1\\"; }, 9},
        {"point off any screen", [](QStringList& f) { f[9] = "point 2 (40000x20)  %[0x0]  Etat : /1\\"; }, 9},
        {"unknown state", [](QStringList& f) { f[10] = "point 3 (500x20)  %[0x0]  Etat : /7\\"; }, 10},
        {"unreadable frame", [](QStringList& f) { f[12] = "cadre : 100,1OO,700,500,"; }, 12},
        {"part 16", [](QStringList& f) { f[13] = "partie (16) [20]"; }, 13},
        {"no time header", [](QStringList& f) { f.removeAt(15); }, 39},
        {"unreadable choice", [](QStringList& f) { f[20] = "début/fin : (2,6) choix temps +x"; }, 20},
        {"range past the end", [](QStringList& f) { f[20] = "début/fin : (2,21) choix temps +0"; }, 20},
        {"backward range", [](QStringList& f) { f[20] = "début/fin : (6,2) choix temps +0"; }, 20},
        {"unreadable time", [](QStringList& f) { f[21] = "temps : (1OO/1600)  vitesse : --1"; }, 21},
        {"time over a day", [](QStringList& f) { f[21] = "temps : (100/86400001)  vitesse : -0"; }, 21},
        {"record cut short", [](QStringList& f) { f = f.mid(0, 21); }, 21},
        {"unreadable gap", [](QStringList& f) { f[23] = "constante de durée tous points : ()"; }, 23},
        {"unreadable coefficient", [](QStringList& f) { f[25] = "PourCoef {1e4}  SommeDistances (690)"; },
         25},
        {"unreadable factor", [](QStringList& f) { f[28] = "propo : (x)  [0.25]  {3}"; }, 28},
        {"negative factor", [](QStringList& f) { f[28] = "propo : (-1)  [0.25]  {3}"; }, 28},
        {"slow-down beyond the keypoints", [](QStringList& f) { f[29] = "Ralenti -début : (21,6)"; }, 29},
        {"slow-down strength", [](QStringList& f) { f[30] = "Ralenti -fin : (15,10)"; }, 30},
        {"parameter range", [](QStringList& f) { f[34] = "Début-Fin : (3/21)"; }, 34},
        {"parameter value", [](QStringList& f) { f[35] = "1-Opacité : (20/8O)"; }, 35},
        {"opacity over 100", [](QStringList& f) { f[35] = "1-Opacité : (20/101)"; }, 35},
        {"real value", [](QStringList& f) { f[36] = "2-ZoomX : (100/)"; }, 36},
        {"record changing nothing", [](QStringList& f) { f.erase(f.begin() + 35, f.begin() + 39); }, 34},
    };
    for (const Case& c : cases) {
        QStringList file = sampleFile();
        c.damage(file);
        const CheckedCurveFile checked = checkCurveFile(file, 0);
        ASSERT_TRUE(checked.error.has_value()) << c.what;
        EXPECT_EQ(checked.error->line, c.line) << c.what;
    }
}

// What may stand in a file without harm: empty lines, lines outside the
// records, an empty parameter section.
TEST(CurveFileCheck, HarmlessLinesAreAccepted) {
    QStringList file = sampleFile();
    file.insert(17, "");
    file.insert(17, "xyz");
    file.append("différence = 0,1");
    file.append("");
    EXPECT_FALSE(checkCurveFile(file, 0).error.has_value());
    file = sampleFile().mid(0, 33);
    EXPECT_FALSE(checkCurveFile(file, 0).error.has_value());
    EXPECT_TRUE(checkCurveFile(file, 0).content.parameters.records.empty());
}

} // namespace
