#include "platform/Canvas.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace trajecta;

namespace {

QImage noise(int w, int h, std::mt19937& rng) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFFu));
    return image;
}

// What the raster engine itself does with an inverting pen.
struct Reference {
    QImage& image;
    QPainter p{&image};
    Reference(QImage& target, PenMode mode, int width, bool dashed, std::uint32_t bgr) : image(target) {
        QPen pen(colourFromBgr(bgr));
        pen.setWidth(width <= 1 ? 0 : width);
        pen.setStyle(dashed ? Qt::DashLine : Qt::SolidLine);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.setCompositionMode(mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                  : QPainter::RasterOp_NotSourceXorDestination);
    }
};

// A solid line of width 1 stepped the classic integer way, inverted pixel by pixel.
void invertStepped(QImage& image, PenMode mode, std::uint32_t bgr, int x0, int y0, int x1, int y1) {
    const QRgb flip = (colourFromBgr(bgr).rgb() ^ (mode == PenMode::NotXor ? 0xFFFFFFu : 0u)) & 0xFFFFFFu;
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    for (int error = dx + dy;;) {
        if (image.rect().contains(x0, y0))
            image.setPixel(x0, y0, 0xFF000000u | ((image.pixel(x0, y0) ^ flip) & 0xFFFFFFu));
        if (x0 == x1 && y0 == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) error += dy, x0 += sx;
        if (twice <= dx) error += dx, y0 += sy;
    }
}

} // namespace

// Lines and outlines drawn with the inverting pens change exactly the pixels the
// raster engine would change (solid lines of width 1: the pixels nearest the
// ideal line), also where they leave the picture.
TEST(CanvasInvert, LinesAndOutlinesMatchTheRasterEngine) {
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> coordinate(-20, 140);
    for (int trial = 0; trial < 400; ++trial) {
        const PenMode mode = trial % 2 ? PenMode::Xor : PenMode::NotXor;
        const int width = 1 + (trial / 2) % 3;
        const bool dashed = (trial / 6) % 2;
        const std::uint32_t colour = rng() & 0xFFFFFFu;
        QImage expected = noise(120, 100, rng);
        QImage actual = expected.copy();
        const int x0 = coordinate(rng), y0 = coordinate(rng), x1 = coordinate(rng), y1 = coordinate(rng);
        const bool outline = (trial / 12) % 2;
        {
            Reference ref(expected, mode, width, dashed, colour);
            if (outline) {
                const int l = std::min(x0, x1), t = std::min(y0, y1), r = std::max(x0, x1),
                          b = std::max(y0, y1);
                const int inset = width <= 1 ? 0 : width / 2;
                if (r - l >= 1 && b - t >= 1)
                    ref.p.drawRect(QRect(l + inset, t + inset, r - l - 1 - 2 * inset, b - t - 1 - 2 * inset));
            } else if (width == 1 && !dashed) {
                ref.p.end();
                invertStepped(expected, mode, colour, x0, y0, x1, y1);
            } else {
                ref.p.drawLine(x0, y0, x1, y1);
            }
        }
        Canvas canvas(actual);
        canvas.setPenColour(colour);
        canvas.setPenWidth(width);
        canvas.setPenDashed(dashed);
        canvas.setPenMode(mode);
        canvas.setBrushClear();
        if (outline)
            canvas.rectangle(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
        else
            canvas.line(x0, y0, x1, y1);
        ASSERT_EQ(canvas.image(), expected)
            << "trial " << trial << (outline ? " outline " : " line ") << x0 << "," << y0 << " " << x1 << ","
            << y1 << " width " << width << " dashed " << dashed;
    }
}
