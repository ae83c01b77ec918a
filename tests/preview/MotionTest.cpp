#include "preview/Motion.h"
#include "core/KeypointPosition.h"
#include "document/CurveDocument.h"
#include "host/ObjectText.h"
#include "preview/PreviewFrame.h"

#include <gtest/gtest.h>

#include <random>

namespace trajecta {
namespace {

PathKeypoint keypoint(qint64 time, KeypointValues v) {
    return PathKeypoint{time, v};
}

void expectValues(const KeypointValues& got, const KeypointValues& want, const char* where) {
    SCOPED_TRACE(where);
    EXPECT_DOUBLE_EQ(got.x, want.x);
    EXPECT_DOUBLE_EQ(got.y, want.y);
    EXPECT_DOUBLE_EQ(got.opacity, want.opacity);
    EXPECT_DOUBLE_EQ(got.angle, want.angle);
    EXPECT_DOUBLE_EQ(got.scaleX, want.scaleX);
    EXPECT_DOUBLE_EQ(got.scaleY, want.scaleY);
    EXPECT_DOUBLE_EQ(got.centreX, want.centreX);
    EXPECT_DOUBLE_EQ(got.centreY, want.centreY);
}

// Four keypoints: the first at 500 ms, then 1000 ms later two at the same
// time (a jump), and the last 1000 ms after them.
const KeypointValues a{0, 0, 0, 0, 100, 100, 0, 0};
const KeypointValues b{50, -20, 100, 90, 200, 50, 100, -100};
const KeypointValues c{-40, 60, 80, -90, 100, 100, 0, 0};
const KeypointValues d{-40, 80, 40, -270, 50, 150, 20, 40};
const std::vector<PathKeypoint> path{keypoint(500, a), keypoint(1500, b), keypoint(1500, c),
                                     keypoint(2500, d)};

TEST(ObjectAtTime, WaitsAtTheFirstKeypointInterpolatesJumpsAndStaysAtTheLast) {
    expectValues(valuesAt(path, 0), a, "before the first keypoint");
    expectValues(valuesAt(path, 499), a, "just before the first keypoint");
    expectValues(valuesAt(path, 500), a, "on the first keypoint");
    expectValues(valuesAt(path, 1000), KeypointValues{25, -10, 50, 45, 150, 75, 50, -50}, "halfway");
    expectValues(valuesAt(path, 750), KeypointValues{12.5, -5, 25, 22.5, 125, 87.5, 25, -25}, "a quarter");
    expectValues(valuesAt(path, 1500), c, "two keypoints at one time: the later holds");
    expectValues(valuesAt(path, 2000), KeypointValues{-40, 70, 60, -180, 75, 125, 10, 20}, "after the jump");
    expectValues(valuesAt(path, 2500), d, "on the last keypoint");
    expectValues(valuesAt(path, 90000), d, "after the last keypoint");
    expectValues(valuesAt({}, 1000), KeypointValues{}, "no keypoint: an object nobody changed");
}

TEST(ObjectAtTime, StateInWorkAreaPixelsWorkedByHand) {
    // A 400 x 200 frame at (100, 100): centre (300, 200), a marker of 40 x 20 at 100 %.
    const ReferenceFrame frame{100, 100, 400, 200};
    ObjectState s = objectState(KeypointValues{50, -50, 60, 0, 100, 100, 0, 0}, frame);
    EXPECT_DOUBLE_EQ(s.pivotX, 400);
    EXPECT_DOUBLE_EQ(s.pivotY, 150);
    EXPECT_DOUBLE_EQ(s.x, 400);
    EXPECT_DOUBLE_EQ(s.y, 150);
    EXPECT_DOUBLE_EQ(s.width, 40);
    EXPECT_DOUBLE_EQ(s.height, 20);
    EXPECT_DOUBLE_EQ(s.opacity, 60);

    // Zoomed to 80 x 10 and turned a quarter clockwise about the pivot at its
    // right edge's middle (centre 100, 0): the object's middle lies 40 px
    // above the pivot, and its top-left corner at (405, 70).
    s = objectState(KeypointValues{50, -50, 100, 90, 200, 50, 100, 0}, frame);
    EXPECT_DOUBLE_EQ(s.width, 80);
    EXPECT_DOUBLE_EQ(s.height, 10);
    EXPECT_NEAR(s.x, 400, 1e-9);
    EXPECT_NEAR(s.y, 110, 1e-9);
    const QPolygonF corners = markerCorners(s);
    ASSERT_EQ(corners.size(), 4);
    EXPECT_NEAR(corners[0].x(), 405, 1e-9);
    EXPECT_NEAR(corners[0].y(), 70, 1e-9);
    EXPECT_NEAR(corners[2].x(), 395, 1e-9);
    EXPECT_NEAR(corners[2].y(), 150, 1e-9);

    // Opacity beyond the host's range is shown within it; a mirrored zoom keeps its size.
    s = objectState(KeypointValues{0, 0, 140, 0, -100, 100, 0, 0}, frame);
    EXPECT_DOUBLE_EQ(s.opacity, 100);
    EXPECT_DOUBLE_EQ(s.width, 40);
}

// The marker stands where the keypoint list says the sample point is, also
// for frames of odd sizes whose centre the writer takes to the pixel below.
TEST(ObjectAtTime, ThePivotIsTheSamplePointForEveryFrame) {
    std::mt19937 random(14);
    std::uniform_int_distribution<int> coordinate(-300, 1600), size(10, 900);
    for (int i = 0; i < 500; ++i) {
        CurveDocument doc;
        doc.workflow.workWidth = 1280;
        doc.workflow.workHeight = 720;
        doc.frame.framePresent = i % 5 != 0;
        doc.frame.frameRect = FrameRect{coordinate(random), coordinate(random), 0, 0};
        doc.frame.frameRect.right = doc.frame.frameRect.left + size(random);
        doc.frame.frameRect.bottom = doc.frame.frameRect.top + size(random);
        const int x = coordinate(random), y = coordinate(random);
        const auto [px, py] = keypointPosition(doc, x, y);
        const ObjectState s =
            objectState(KeypointValues{px, py, 100, 0, 100, 100, 0, 0}, referenceFrame(doc));
        ASSERT_NEAR(s.pivotX, x, 1e-6) << i;
        ASSERT_NEAR(s.pivotY, y, 1e-6) << i;
    }
}

TEST(ObjectAtTime, ReadsAKeypointListAsWrittenAndSurvivesBrokenValues) {
    KeyPointDefaults values{"70", "12.5", "150", "80", "10", "-20", "0", "0", "0"};
    QStringList list = keyPointBlock(1, 500, positionLine(50, -25.5), values);
    list += keyPointBlock(2, 1700, positionLine(-100, 100), values);
    list += keyPointBlock(3, 1200, positionLine(0, 0), values); // a time running backwards
    list[13 + 3] = "  Opacity=";
    list[13 + 4] = "  Angle=abc";
    list[13 + 8] = "  CenterPos=5";
    list += list.mid(0, 7); // a block cut short

    const std::vector<PathKeypoint> read = readPath(list);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].time, 500);
    expectValues(read[0].values, KeypointValues{50, -25.5, 70, 12.5, 150, 80, 10, -20}, "as written");
    EXPECT_EQ(read[1].time, 1700);
    expectValues(read[1].values, KeypointValues{-100, 100, 100, 0, 150, 80, 5, 0}, "unread values");
    EXPECT_EQ(read[2].time, 1700) << "times never run backwards";
    EXPECT_EQ(pathDuration(list.mid(0, 26)), 1700);
    EXPECT_EQ(pathDuration({}), 0);
}

TEST(ObjectAtTime, NameOfTheLoadedObject) {
    EXPECT_EQ(objectName({"PicturesToExe-Objects", "object petit Poucet:Box", "  PanSpeed=1;"}),
              "petit Poucet");
    EXPECT_EQ(objectName({"PicturesToExe-Objects", "object a:b:Image"}), "a:b");
    EXPECT_EQ(objectName({"PicturesToExe-Objects"}), "");
}

// Each picture copies again only where the last marker was: after any run of
// pictures it is exactly the one drawn afresh over the work area, and the
// work area itself is unchanged.
TEST(PreviewPicture, EachPictureIsTheWorkAreaWithOnlyTheMarkerOverIt) {
    QImage work(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < work.height(); ++y)
        for (int x = 0; x < work.width(); ++x)
            work.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    const QImage original = work.copy();
    const ReferenceFrame frame{20, 10, 280, 160};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(-130, 130), angle(-360, 360), zoom(10, 400), unit(0, 100);
    QImage picture;
    QRect stale = work.rect();
    for (int i = 0; i < 200; ++i) {
        const KeypointValues v{position(random), position(random), unit(random),      angle(random),
                               zoom(random),     zoom(random),     unit(random) - 50, unit(random) - 50};
        const ObjectState s = objectState(v, frame);
        drawPreviewFrame(work, s, picture, stale);
        QImage fresh;
        QRect whole = work.rect();
        drawPreviewFrame(work, s, fresh, whole);
        ASSERT_EQ(picture, fresh) << i;
    }
    EXPECT_EQ(work, original);
}

} // namespace
} // namespace trajecta
