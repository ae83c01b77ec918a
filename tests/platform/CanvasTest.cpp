#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trajecta;

namespace {

QImage noise(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    return image;
}

} // namespace

TEST(Canvas, InvertingPensDrawnTwiceLeaveThePictureAsItWas) {
    for (PenMode mode : {PenMode::Xor, PenMode::NotXor}) {
        QImage image = noise(60, 50);
        const QImage before = image.copy();
        Canvas canvas(image);
        canvas.setPenMode(mode);
        canvas.setPenColour(0x00FF00);
        canvas.setBrushClear();
        for (int pass = 0; pass < 2; ++pass) {
            canvas.setPenWidth(1);
            canvas.line(3, 4, 50, 37);
            canvas.setPenDashed(true);
            canvas.rectangle(5, 6, 45, 40);
            canvas.setPenDashed(false);
            canvas.setPenWidth(3);
            canvas.line(20, 10, 20, 30);
            canvas.line(10, 20, 30, 20);
        }
        EXPECT_EQ(canvas.image(), before);
    }
}

// The window's layout can give the work area another size, and the new picture
// can be handed the very rows the old one freed: single pixels must follow the
// new picture's size and row length, not the old one's.
TEST(Canvas, PixelsFollowANewPictureOfAnotherSizeOnTheSameRows) {
    std::vector<uchar> rows(40 * 40 * 4, 0);
    QImage image(rows.data(), 10, 40, 40, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.setPenColour(0x0000FF);
    canvas.pixel(1, 1);
    image = QImage(rows.data(), 40, 10, 160, QImage::Format_RGB32);
    canvas.pixel(30, 2);
    canvas.pixel(0, 9);
    const QImage& drawn = canvas.image();
    EXPECT_EQ(drawn.pixel(30, 2), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(0, 9), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(2, 1), qRgb(0, 0, 0)); // no pixel at the old row length
}

TEST(Canvas, BoxesExcludeTheRightAndBottomEdges) {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.setPenColour(0xFF0000);  // blue outline
    canvas.setBrushSolid(0x0000FF); // red fill
    canvas.rectangle(6, 6, 14, 14); // a square mark of radius 4 at (10, 10)
    const QImage& out = canvas.image();
    EXPECT_EQ(bgrAt(out, 6, 6), 0xFF0000u);
    EXPECT_EQ(bgrAt(out, 13, 13), 0xFF0000u);
    EXPECT_EQ(bgrAt(out, 14, 10), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 10, 14), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 10, 10), 0x0000FFu);
    EXPECT_EQ(bgrAt(out, 5, 10), 0xFFFFFFu);

    canvas.ellipse(15, 15, 25, 25); // a circle mark of radius 5 at (20, 20)
    EXPECT_EQ(bgrAt(canvas.image(), 20, 20), 0x0000FFu);
    EXPECT_EQ(bgrAt(canvas.image(), 15, 20), 0xFF0000u);
    EXPECT_EQ(bgrAt(canvas.image(), 25, 20), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(canvas.image(), 20, 25), 0xFFFFFFu);
}

TEST(Canvas, ColoursAreWrittenBlueGreenRed) {
    QImage image(4, 1, QImage::Format_RGB32);
    Canvas canvas(image);
    const std::uint32_t colours[] = {0x0000FF, 0xFF0000, 0x008000, 0xE6FFFE};
    for (int i = 0; i < 4; ++i) {
        canvas.setPenColour(colours[i]);
        canvas.pixel(i, 0);
    }
    canvas.pixel(-1, 0); // outside: ignored
    const QImage& out = canvas.image();
    EXPECT_EQ(out.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(out.pixelColor(1, 0), QColor(0, 0, 255));
    EXPECT_EQ(out.pixelColor(2, 0), QColor(0, 128, 0));
    EXPECT_EQ(out.pixelColor(3, 0), QColor(0xFE, 0xFF, 0xE6));
    EXPECT_EQ(bgrFromColour(colourFromBgr(0x123456)), 0x123456u);
}

TEST(Canvas, LinesIncludeBothEndsAndCopiesAreExact) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.setPenColour(0);
    canvas.line(2, 3, 12, 3);
    EXPECT_EQ(bgrAt(canvas.image(), 2, 3), 0u);
    EXPECT_EQ(bgrAt(canvas.image(), 12, 3), 0u);
    EXPECT_EQ(bgrAt(canvas.image(), 13, 3), 0xFFFFFFu);
    const QImage background = noise(20, 20);
    canvas.drawImage(0, 0, background);
    EXPECT_EQ(canvas.image(), background);
}

// A slanted line takes on each column the pixel nearest the ideal line, in both
// directions, and ends on both of its end points; a line far beyond the picture
// draws only its visible pixels.
TEST(Canvas, SolidLinesSetThePixelsNearestTheIdealLine) {
    for (bool reversed : {false, true}) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas canvas(image);
        canvas.setPenColour(0x000000);
        if (reversed)
            canvas.line(30, 14, 0, 2);
        else
            canvas.line(0, 2, 30, 14);
        const QImage& out = canvas.image();
        // y = 2 + 0.4·x: 3.6 at x = 4, 4.8 at x = 7, 6.0 at x = 10.
        EXPECT_EQ(bgrAt(out, 4, 4), 0u);
        EXPECT_EQ(bgrAt(out, 4, 3), 0xFFFFFFu);
        EXPECT_EQ(bgrAt(out, 7, 5), 0u);
        EXPECT_EQ(bgrAt(out, 10, 6), 0u);
        EXPECT_EQ(bgrAt(out, 0, 2), 0u);
        EXPECT_EQ(bgrAt(out, 30, 14), 0u);
        int set = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                set += bgrAt(out, x, y) == 0;
        EXPECT_EQ(set, 31);
    }
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);
    canvas.setPenColour(0x000000);
    canvas.line(-2000000000, 10, 2000000000, 10);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(bgrAt(canvas.image(), x, 10), 0u);
}

// The closing mark of a curve: a width-2 outline lies on the two outermost rings
// of the box, left and right alike, and covers whatever was there before.
TEST(Canvas, WideOutlinesLieOnTheOutermostRingsOfTheBox) {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    canvas.setPenColour(0x0000FF);
    canvas.setPenWidth(2);
    canvas.setBrushSolid(0xFFFFFF);
    canvas.rectangle(6, 6, 14, 14);
    canvas.ellipse(15, 15, 25, 25);
    const QImage& out = canvas.image();
    for (int x : {6, 7, 12, 13}) {
        EXPECT_EQ(bgrAt(out, x, 10), 0x0000FFu) << x;
        EXPECT_EQ(bgrAt(out, 10, x), 0x0000FFu) << x;
    }
    EXPECT_EQ(bgrAt(out, 8, 10), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 11, 11), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 14, 10), 0u);
    EXPECT_EQ(bgrAt(out, 10, 14), 0u);
    for (int x : {15, 16, 23, 24}) {
        EXPECT_EQ(bgrAt(out, x, 20), 0x0000FFu) << x;
        EXPECT_EQ(bgrAt(out, 20, x), 0x0000FFu) << x;
    }
    EXPECT_EQ(bgrAt(out, 17, 20), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 22, 20), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(out, 25, 20), 0u);
    EXPECT_EQ(bgrAt(out, 20, 25), 0u);
    for (int y = 15; y < 25; ++y)
        for (int x = 15; x < 25; ++x) {
            EXPECT_EQ(bgrAt(out, x, y), bgrAt(out, 39 - x, y)) << x << "," << y;
            EXPECT_EQ(bgrAt(out, x, y), bgrAt(out, x, 39 - y)) << x << "," << y;
        }
}
