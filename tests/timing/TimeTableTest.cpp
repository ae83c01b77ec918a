#include "timing/TimeTable.h"
#include "document/CurveDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace trajecta {
namespace {

std::vector<KeypointTime> table(int rows, int value = 0) {
    return std::vector<KeypointTime>(static_cast<size_t>(rows), KeypointTime{value, value});
}

std::vector<int> working(const std::vector<KeypointTime>& t, int a, int b) {
    std::vector<int> out;
    for (int i = a; i <= b; ++i)
        out.push_back(t[static_cast<size_t>(i)].inUse);
    return out;
}

TEST(FormatDuration, PiecesAndTrailingBlanks) {
    EXPECT_EQ(formatDuration(0), "0 ms");
    EXPECT_EQ(formatDuration(999), "999 ms");
    EXPECT_EQ(formatDuration(1000), "1 s 0 ms ");
    EXPECT_EQ(formatDuration(1500), "1 s 500 ms ");
    EXPECT_EQ(formatDuration(59999), "59 s 999 ms ");
    EXPECT_EQ(formatDuration(60000), "1 min 0 s 0 ms ");
    EXPECT_EQ(formatDuration(3600000), "1 h 0 min 0 s 0 ms ");
    EXPECT_EQ(formatDuration(3723004), "1 h 2 min 3 s 4 ms ");
}

TEST(InitialGap, SpreadsFiveAndAHalfSecondsWithAFloor) {
    EXPECT_EQ(initialGap(11), 500);
    EXPECT_EQ(initialGap(21), 261);
    EXPECT_EQ(initialGap(81), 100);
    EXPECT_EQ(initialGap(100), 100);
    EXPECT_EQ(initialGap(0), 5500); // never a division by zero
}

TEST(FillRange, ArithmeticAndGeometricFromTheWorkedExample) {
    auto t = table(8, 7);
    fillRange(t, 2, 6, 100, 1600, false);
    EXPECT_EQ(working(t, 1, 7), (std::vector<int>{7, 100, 475, 850, 1225, 1600, 7}));
    fillRange(t, 2, 6, 100, 1600, true);
    EXPECT_EQ(working(t, 2, 6), (std::vector<int>{100, 200, 400, 800, 1600}));
    // Equal ends fill the range whatever the progression.
    fillRange(t, 2, 6, 300, 300, true);
    EXPECT_EQ(working(t, 2, 6), (std::vector<int>{300, 300, 300, 300, 300}));
    // The committed column is never touched.
    EXPECT_EQ(t[3].committed, 7);
}

TEST(FillRange, RunningValueIsSinglePrecisionWithTiesToEven) {
    auto t = table(6);
    fillRange(t, 0, 5, 1, 3, false); // d = 0.4f: 1.4, 1.8, 2.2, 2.6
    EXPECT_EQ(working(t, 0, 5), (std::vector<int>{1, 1, 2, 2, 3, 3}));
    // d = 0.5 exactly: halves go to the even neighbour.
    auto h = table(6);
    fillRange(h, 1, 5, 1, 3, false); // 1.5 -> 2, 2 -> 2, 2.5 -> 2
    EXPECT_EQ(working(h, 1, 5), (std::vector<int>{1, 2, 2, 2, 3}));

    // Over many seeded ranges the rows follow a float accumulation, not a
    // per-row recomputation, and stay between the ends.
    std::mt19937 rng(8);
    for (int round = 0; round < 500; ++round) {
        const int a = 1 + static_cast<int>(rng() % 50);
        const int b = a + 2 + static_cast<int>(rng() % 900);
        const int p = 1 + static_cast<int>(rng() % 45000);
        const int q = 1 + static_cast<int>(rng() % 45000);
        const bool geometric = rng() % 2;
        auto x = table(b + 1);
        fillRange(x, a, b, p, q, geometric);
        float v = static_cast<float>(p);
        const float d = static_cast<float>(static_cast<long double>(q - p) / (b - a));
        const float r = static_cast<float>(std::exp(std::log(static_cast<long double>(q) / p) / (b - a)));
        for (int i = a + 1; i < b; ++i) {
            v = geometric ? v * r : v + d;
            ASSERT_EQ(x[static_cast<size_t>(i)].inUse, static_cast<int>(std::nearbyint(v)))
                << round << " row " << i;
            ASSERT_GE(x[static_cast<size_t>(i)].inUse, std::min(p, q) - 1);
            ASSERT_LE(x[static_cast<size_t>(i)].inUse, std::max(p, q) + 1);
        }
    }
}

TEST(FillRange, GeometricWithAnEndAtZeroFallsBackToArithmetic) {
    auto t = table(7);
    fillRange(t, 1, 5, 0, 400, true);
    EXPECT_EQ(working(t, 1, 5), (std::vector<int>{0, 100, 200, 300, 400}));
    fillRange(t, 1, 5, 400, 0, true);
    EXPECT_EQ(working(t, 1, 5), (std::vector<int>{400, 300, 200, 100, 0}));
}

TEST(FillRange, RangesOutsideTheTableChangeNothing) {
    auto t = table(4, 9);
    fillRange(t, 2, 4, 1, 2, false);
    fillRange(t, 3, 3, 1, 2, false);
    fillRange(t, -1, 2, 1, 2, false);
    EXPECT_EQ(working(t, 0, 3), (std::vector<int>{9, 9, 9, 9}));
}

TEST(TimeFields, LimitsAndNonNumbersAreRefused) {
    EXPECT_EQ(judgeFirstTime("300000"), FieldVerdict::Keep);
    EXPECT_EQ(judgeFirstTime("300001"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeFirstTime("12a"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeFirstTime("-5"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeFirstTime(" 5"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeFirstTime("99999999999999"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeFirstTime(""), FieldVerdict::Empty);
    EXPECT_EQ(judgeRangeTime("45000"), FieldVerdict::Keep);
    EXPECT_EQ(judgeRangeTime("45001"), FieldVerdict::Refuse);
    EXPECT_EQ(judgeRangeTime("0"), FieldVerdict::Keep);
    EXPECT_TRUE(rangeKeyAccepted('7'));
    EXPECT_TRUE(rangeKeyAccepted('\b'));
    EXPECT_FALSE(rangeKeyAccepted('-'));
    EXPECT_FALSE(rangeKeyAccepted(','));
}

TEST(TimeRecord, LinesAndListing) {
    EXPECT_EQ(firstTimeRecordLine("1500"), "temps 1er point: (1500)");
    EXPECT_EQ(rangeRecordLine(1, 960, TimeMode::Personal), "début/fin : (1,960) choix temps +0");
    EXPECT_EQ(timesRecordLine("100", "1600", false), "temps : (100/1600)  vitesse : -0");
    EXPECT_EQ(timesRecordLine("100", "1600", true), "temps : (100/1600)  vitesse : --1");
    std::vector<KeypointTime> t{{1, 2000}, {7, 500}};
    EXPECT_EQ(timeListing(t), (QStringList{"point 0 : 2000", "point 1 : 500"}));
    std::vector<KeypointTime> w{{116000, 0}, {60500, 0}};
    EXPECT_EQ(keypointTimeText(w, 1), "2 min 56 s 500 ms  / 60500 ms");
    EXPECT_EQ(totalWorking(w), 176500);
}

} // namespace
} // namespace trajecta
