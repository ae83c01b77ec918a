#include "host/KeypointList.h"
#include "document/KeypointBlock.h"
#include "host/ObjectText.h"

#include <gtest/gtest.h>
#include <random>

using namespace trajecta;

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// A list of blocks whose absolute times are the running sums of `gaps`; block k
// has the angle angles[k], the position (k, -k) and the opacity k + 1, so that
// every moved or kept line can be told apart.
QStringList keypointList(const std::vector<int>& gaps, const QStringList& angles) {
    QStringList list;
    qint64 t = 0;
    for (int k = 0; k < static_cast<int>(gaps.size()); ++k) {
        t += gaps[static_cast<size_t>(k)];
        KeyPointDefaults values{QString::number(k + 1), angles[k], "100", "100", "0", "0", "0", "0", "0"};
        list += keyPointBlock(k + 1, t, positionLine(k, -k), values);
    }
    return list;
}

QStringList linesOf(const QStringList& list, KeypointLine line) {
    QStringList out;
    for (int k = 0; k < list.size() / keypointBlockLines; ++k)
        out << list[keypointLine(k, line)];
    return out;
}

QStringList values(const QStringList& list, KeypointLine line) {
    QStringList out;
    for (const QString& text : linesOf(list, line))
        out << text.mid(text.indexOf('=') + 1);
    return out;
}

const std::vector<int> fourGaps{1000, 200, 300, 400};
const QStringList fourAngles{"10", "20.5", "-30", "0.1"};

} // namespace

TEST(KeypointList, ReversalPlaysTheOldMotionBackwardsAndKeepsTheOtherLinesInPlace) {
    const QStringList list = keypointList(fourGaps, fourAngles);
    const ListResult r = reverseKeypoints(list, fourGaps, false, '.');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(values(r.lines, KeypointLine::Time), (QStringList{"1000", "1400", "1700", "1900"}));
    EXPECT_EQ(values(r.lines, KeypointLine::Position), (QStringList{"3,-3", "2,-2", "1,-1", "0,0"}));
    EXPECT_EQ(values(r.lines, KeypointLine::Angle), (QStringList{"0.1", "-30", "20.5", "10"}));
    for (const KeypointLine kept : {KeypointLine::Header, KeypointLine::Opacity, KeypointLine::ScaleX,
                                    KeypointLine::CenterPos, KeypointLine::ZPos, KeypointLine::End})
        EXPECT_EQ(linesOf(r.lines, kept), linesOf(list, kept));

    const ListResult turned = reverseKeypoints(list, fourGaps, true, '.');
    ASSERT_TRUE(turned.ok());
    EXPECT_EQ(values(turned.lines, KeypointLine::Angle), (QStringList{"180.1", "150", "200.5", "190"}));

    // Twice is the identity on positions and angles; a turn is undone by its opposite.
    const ListResult twice = reverseKeypoints(r.lines, fourGaps, false, '.');
    EXPECT_EQ(linesOf(twice.lines, KeypointLine::Position), linesOf(list, KeypointLine::Position));
    EXPECT_EQ(linesOf(twice.lines, KeypointLine::Angle), linesOf(list, KeypointLine::Angle));
    const ListResult back = addToAngles(reverseKeypoints(turned.lines, fourGaps, true, '.').lines, -360, '.');
    EXPECT_EQ(linesOf(back.lines, KeypointLine::Angle), linesOf(list, KeypointLine::Angle));

    // A single keypoint reversed is itself.
    const QStringList one = keypointList({250}, {"7"});
    EXPECT_EQ(reverseKeypoints(one, {250}, false, '.').lines, one);
}

TEST(KeypointList, ReversedTimesRunTheOldGapsBackwardsOverManyPaths) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int n = std::uniform_int_distribution<int>(1, 40)(random);
        std::vector<int> gaps;
        QStringList angles;
        for (int k = 0; k < n; ++k) {
            gaps.push_back(std::uniform_int_distribution<int>(0, 5000)(random));
            angles << formatNumber(std::uniform_real_distribution<double>(-720, 720)(random));
        }
        const QStringList list = keypointList(gaps, angles);
        const ListResult r = reverseKeypoints(list, gaps, true, ',');
        ASSERT_TRUE(r.ok());
        const QStringList times = values(r.lines, KeypointLine::Time);
        EXPECT_EQ(times.first(), values(list, KeypointLine::Time).first());
        EXPECT_EQ(times.last(), values(list, KeypointLine::Time).last());
        for (int a = 1; a < n; ++a)
            EXPECT_EQ(times[a].toLongLong() - times[a - 1].toLongLong(), gaps[n - a]);
        const ListResult twice = reverseKeypoints(r.lines, gaps, true, ',');
        EXPECT_EQ(linesOf(twice.lines, KeypointLine::Position), linesOf(list, KeypointLine::Position));
        const QStringList turnedBack = values(addToAngles(twice.lines, -360, ',').lines, KeypointLine::Angle);
        EXPECT_EQ(turnedBack, angles) << "round " << round;
    }
}

TEST(KeypointList, AnglesAreReadWithEitherMarkAndWrittenInTheHostForm) {
    const QStringList list = keypointList({0, 10, 10}, {"12.5", "12,5", " -0.25 "});
    for (const QChar mark : {QChar('.'), QChar(',')}) {
        const ListResult r = addToAngles(list, 180, mark);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(linesOf(r.lines, KeypointLine::Angle),
                  (QStringList{"  Angle=192.5", "  Angle=192.5", "  Angle=179.75"}));
    }
    EXPECT_EQ(addToAngles(keypointList({0}, {"1/3"}), 0, '.').fault, ListFault::AngleNotANumber);

    const ListResult bad = addToAngles(keypointList({0, 10, 10}, {"1", "n/a", ""}), 180, ',');
    EXPECT_EQ(bad.fault, ListFault::AngleNotANumber);
    EXPECT_EQ(bad.block, 1);
    EXPECT_EQ(bad.badText, "n/a");
    EXPECT_TRUE(bad.lines.isEmpty());
    const ListResult badTurn =
        reverseKeypoints(keypointList({0, 10, 10}, {"1", "x", "2"}), {0, 10, 10}, true, '.');
    EXPECT_EQ(badTurn.fault, ListFault::AngleNotANumber);
    EXPECT_EQ(badTurn.block, 1);
    EXPECT_EQ(reverseKeypoints(keypointList({0, 10}, {"x", "1"}), {0, 10}, true, '.').block, 0);
    EXPECT_TRUE(reverseKeypoints(keypointList({0, 10}, {"1", "x"}), {0, 10}, false, '.').ok())
        << "without the turn the angles are only moved";
}

TEST(KeypointList, KeptBlocksAreRenumberedAndRetimedWithTheirOldGaps) {
    const std::vector<int> gaps{500, 100, 200, 300, 400, 600}; // absolute 500 600 800 1100 1500 2100
    const QStringList list = keypointList(gaps, {"0", "1", "2", "3", "4", "5"});
    const ListResult retimed = keepBlocks(list, gaps, 2, 0, true, false);
    ASSERT_TRUE(retimed.ok());
    EXPECT_EQ(values(retimed.lines, KeypointLine::Time), (QStringList{"500", "800", "1200", "1800"}));
    EXPECT_EQ(linesOf(retimed.lines, KeypointLine::Header),
              (QStringList{"object KeyPoint1:KeyPoint", "object KeyPoint2:KeyPoint",
                           "object KeyPoint3:KeyPoint", "object KeyPoint4:KeyPoint"}));
    EXPECT_EQ(values(retimed.lines, KeypointLine::Angle), (QStringList{"2", "3", "4", "5"}));

    const ListResult kept = keepBlocks(list, gaps, 2, 1, false, false);
    EXPECT_EQ(values(kept.lines, KeypointLine::Time), (QStringList{"800", "1100", "1500"}));
    EXPECT_EQ(keepBlocks(list, gaps, 0, 2, true, false).lines,
              keepBlocks(list, gaps, 0, 2, false, false).lines)
        << "re-timing without a deleted start changes nothing";

    // The reversed path keeps its own gaps: 500, then 600, 400, 300, 200, 100.
    const ListResult reversed = reverseKeypoints(list, gaps, false, '.');
    const ListResult keptReversed = keepBlocks(reversed.lines, gaps, 1, 2, true, true);
    EXPECT_EQ(values(keptReversed.lines, KeypointLine::Time), (QStringList{"500", "900", "1200"}));
    EXPECT_EQ(values(keptReversed.lines, KeypointLine::Angle), (QStringList{"4", "3", "2"}));

    const ListResult last = keepBlocks(list, gaps, 3, 2, true, false);
    EXPECT_EQ(linesOf(last.lines, KeypointLine::Header), QStringList{"object KeyPoint1:KeyPoint"});
    EXPECT_EQ(values(last.lines, KeypointLine::Time), QStringList{"500"});
}

TEST(KeypointList, ListsThatDoNotFitAndEndsThatLeaveNothingAreRefused) {
    const QStringList list = keypointList(fourGaps, fourAngles);
    EXPECT_EQ(keepBlocks(list, fourGaps, 2, 2, false, false).fault, ListFault::NothingLeft);
    EXPECT_EQ(keepBlocks(list, fourGaps, -1, 0, false, false).fault, ListFault::NothingLeft);
    EXPECT_EQ(keepBlocks(list, fourGaps, 0, 5, false, false).fault, ListFault::NothingLeft);

    QStringList cut = list;
    cut.removeLast();
    const std::vector<int> threeGaps{1000, 200, 300};
    EXPECT_EQ(reverseKeypoints(cut, fourGaps, false, '.').fault, ListFault::NotOneBlockPerKeypoint);
    EXPECT_EQ(reverseKeypoints(list, threeGaps, false, '.').fault, ListFault::NotOneBlockPerKeypoint);
    EXPECT_EQ(reverseKeypoints({}, {}, false, '.').fault, ListFault::NotOneBlockPerKeypoint);
    EXPECT_EQ(keepBlocks(list, threeGaps, 0, 0, true, false).fault, ListFault::NotOneBlockPerKeypoint);
    EXPECT_EQ(addToAngles(cut, 180, '.').fault, ListFault::NotOneBlockPerKeypoint);
}
