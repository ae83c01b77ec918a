#include "extras/ExtrasChoice.h"
#include "document/KeypointBlock.h"
#include "host/ObjectText.h"

#include <gtest/gtest.h>

using namespace trajecta;

static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const std::vector<int> gaps{1000, 200, 300, 400}; // absolute 1000 1200 1500 1900

QStringList keypoints(const QStringList& angles) {
    QStringList list;
    qint64 t = 0;
    for (int k = 0; k < 4; ++k) {
        t += gaps[static_cast<size_t>(k)];
        list += keyPointBlock(k + 1, t, positionLine(k, k),
                              {"100", angles[k], "100", "100", "0", "0", "0", "0", "0"});
    }
    return list;
}

QStringList angles(const QStringList& list) {
    QStringList out;
    for (int k = 0; k < list.size() / keypointBlockLines; ++k)
        out << list[keypointLine(k, KeypointLine::Angle)].mid(8);
    return out;
}

} // namespace

TEST(ExtrasChoice, SlidersAlwaysLeaveOneKeypointAndTheMarksShowTheDeletedShares) {
    const DeletionView v = deletionView(10, 2, 3, 200);
    EXPECT_EQ(v.startMax, 6);
    EXPECT_EQ(v.endMax, 7);
    EXPECT_EQ(v.keptCount, 5);
    EXPECT_EQ(v.keptText, "5 / 10");
    EXPECT_EQ(v.startMarkWidth, 40);
    EXPECT_EQ(v.endMarkWidth, 60);
    EXPECT_EQ(v.endMarkLeft, 140);
    EXPECT_EQ(deletionView(3, 1, 2, 100).startMarkWidth, 33); // truncated
    EXPECT_EQ(deletionView(3, 1, 2, 100).endMarkWidth, 66);
    const DeletionView empty = deletionView(0, 0, 0, 100);
    EXPECT_EQ(empty.startMax, 0);
    EXPECT_EQ(empty.endMax, 0);
    EXPECT_EQ(empty.endMarkLeft, 100);
}

TEST(ExtrasChoice, TimeLabelsFollowThePathAsItRunsAndTheRetiming) {
    KeptTimes t = keptTimes(gaps, 1, 1, false, false).value();
    EXPECT_EQ(t.first, 1200);
    EXPECT_EQ(t.last, 1500);
    EXPECT_EQ(t.retimeOffset, 0);
    EXPECT_EQ(keptTimes(gaps, 1, 1, false, true)->retimeOffset, 200);
    // Reversed, the keypoints run at 1000, 1400, 1700, 1900.
    t = keptTimes(gaps, 1, 1, true, true).value();
    EXPECT_EQ(t.first, 1400);
    EXPECT_EQ(t.last, 1700);
    EXPECT_EQ(t.retimeOffset, 400);
    t = keptTimes(gaps, 0, 0, true, true).value();
    EXPECT_EQ(t.first, 1000);
    EXPECT_EQ(t.last, 1900);
    EXPECT_EQ(t.retimeOffset, 0);
    EXPECT_FALSE(keptTimes(gaps, 2, 2, false, false));
    EXPECT_FALSE(keptTimes({}, 0, 0, false, false));
}

TEST(ExtrasChoice, ApplyingAgainOnlyTurnsTheReversedListAndUncheckingLeavesIt) {
    const QStringList list = keypoints({"10", "20", "30", "40"});
    ExtrasChoice choice;
    choice.reverse = true;
    ExtrasApplied a = applyExtras({}, list, {}, gaps, choice, ',');
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.mode, WrittenList::Reversed);
    EXPECT_TRUE(a.memory.reversedActive);
    EXPECT_TRUE(a.memory.turnedOver);
    EXPECT_EQ(a.reversed, reverseKeypoints(list, gaps, true, ',').lines);

    ExtrasApplied again = applyExtras(a.memory, list, a.reversed, gaps, choice, ',');
    EXPECT_EQ(again.reversed, a.reversed);
    choice.turnOver = false;
    again = applyExtras(a.memory, list, a.reversed, gaps, choice, ',');
    EXPECT_EQ(again.reversed, reverseKeypoints(list, gaps, false, ',').lines);
    EXPECT_FALSE(again.memory.turnedOver);
    // A reversed list built for another curve is built again.
    again = applyExtras(a.memory, list, a.reversed.mid(13), gaps, choice, ',');
    EXPECT_EQ(again.reversed, reverseKeypoints(list, gaps, false, ',').lines);

    choice.reverse = false;
    again = applyExtras(a.memory, list, a.reversed, gaps, choice, ',');
    EXPECT_EQ(again.mode, WrittenList::Keypoints);
    EXPECT_FALSE(again.memory.reversedActive);
    EXPECT_EQ(again.reversed, a.reversed);
}

TEST(ExtrasChoice, DeletionTakesTheListInForceAndCountsWhatIsLeft) {
    const QStringList list = keypoints({"10", "20", "30", "40"});
    ExtrasChoice choice;
    choice.reverse = true;
    choice.turnOver = false;
    choice.deleteKeypoints = true;
    choice.atStart = 1;
    choice.retime = true;
    const ExtrasApplied a = applyExtras({}, list, {}, gaps, choice, '.');
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.mode, WrittenList::Partial);
    EXPECT_EQ(a.keptCount, 3);
    EXPECT_EQ(angles(a.partial), (QStringList{"30", "20", "10"}));
    EXPECT_EQ(a.partial[keypointLine(1, KeypointLine::Time)], "  Time=1300"); // 1000, then the gap of 300
    EXPECT_EQ(a.partial[keypointLine(0, KeypointLine::Header)], "object KeyPoint1:KeyPoint");

    choice.reverse = false;
    choice.atStart = 0;
    choice.atEnd = 3;
    const ExtrasApplied one = applyExtras(a.memory, list, a.reversed, gaps, choice, '.');
    EXPECT_EQ(one.keptCount, 1);
    EXPECT_EQ(one.partial, list.mid(0, 13));
}

TEST(ExtrasChoice, ARefusalChangesNothingAndSaysWhy) {
    const QStringList list = keypoints({"10", "vingt", "30", "40"});
    const ExtrasMemory memory{true, false};
    const QStringList reversed = reverseKeypoints(keypoints({"1", "2", "3", "4"}), gaps, false, '.').lines;
    ExtrasChoice choice;
    choice.reverse = true;
    ExtrasApplied bad = applyExtras({}, list, {}, gaps, choice, '.');
    EXPECT_EQ(bad.fault, ListFault::AngleNotANumber);
    EXPECT_FALSE(bad.memory.reversedActive);
    EXPECT_EQ(refusalMessage(bad.fault, bad.block, bad.badText, 1),
              "The angle of keypoint 2 is not a number: \"vingt\". Nothing has been changed");

    // Turning a reversed list in force names the keypoint the same way.
    const QStringList badReversed = reverseKeypoints(list, gaps, false, '.').lines;
    EXPECT_EQ(applyExtras(memory, list, badReversed, gaps, choice, '.').block, 1);

    choice.deleteKeypoints = true;
    choice.atStart = 2;
    choice.atEnd = 2;
    bad = applyExtras(memory, list, reversed, gaps, choice, '.');
    EXPECT_EQ(bad.fault, ListFault::NothingLeft);
    EXPECT_TRUE(bad.memory.reversedActive);
    EXPECT_FALSE(bad.memory.turnedOver);
    EXPECT_EQ(bad.reversed, reversed);
    EXPECT_EQ(applyExtras(memory, list.mid(0, 40), reversed, gaps, {}, '.').fault,
              ListFault::NotOneBlockPerKeypoint);
}
