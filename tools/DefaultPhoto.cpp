// Draws the built-in photo, a mountain lake at evening, and writes it as the
// JPEG that the program embeds: trajecta_default_photo OUTPUT.jpg

#include "support/JpegWriter.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <random>

using namespace trajecta;

namespace {

constexpr int width = 1600;
constexpr int height = 900;
constexpr int horizon = 560;

// A ridge line from a sum of waves, closed down to the horizon.
QPainterPath ridge(double base, double amplitude, double seed) {
    QPainterPath path(QPointF(0, horizon));
    for (int x = 0; x <= width; x += 8) {
        const double t = x / double(width);
        const double y =
            base - amplitude * (0.55 * std::sin(6.0 * t + seed) + 0.3 * std::sin(17.0 * t + 2 * seed) +
                                0.15 * std::sin(41.0 * t + 3 * seed));
        path.lineTo(x, y);
    }
    path.lineTo(width, horizon);
    path.closeSubpath();
    return path;
}

void drawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(38, 70, 140));
    sky.setColorAt(0.6, QColor(236, 150, 110));
    sky.setColorAt(1.0, QColor(252, 214, 150));
    p.fillRect(0, 0, width, horizon, sky);
    QRadialGradient sun(1120, 410, 130);
    sun.setColorAt(0.0, QColor(255, 250, 220));
    sun.setColorAt(0.35, QColor(255, 226, 150));
    sun.setColorAt(1.0, QColor(255, 200, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(1120, 410), 130, 130);
}

void drawMountains(QPainter& p) {
    const struct {
        double base, amplitude, seed;
        QColor colour;
    } ranges[] = {{330, 150, 0.7, QColor(120, 110, 150)},
                  {420, 110, 2.1, QColor(80, 84, 120)},
                  {500, 70, 4.4, QColor(46, 70, 72)}};
    for (const auto& range : ranges) {
        p.setBrush(range.colour);
        p.drawPath(ridge(range.base, range.amplitude, range.seed));
    }
}

void drawLake(QPainter& p) {
    QLinearGradient water(0, horizon, 0, height);
    water.setColorAt(0.0, QColor(200, 150, 130));
    water.setColorAt(1.0, QColor(30, 60, 100));
    p.fillRect(0, horizon, width, height - horizon, water);
    p.setPen(QPen(QColor(255, 230, 180, 120), 2));
    std::mt19937 random(5);
    for (int i = 0; i < 140; ++i) {
        const int y = horizon + 8 + int(random() % (height - horizon - 8));
        const int x = 1120 + int(random() % 300) - 150 - (y - horizon) / 4;
        p.drawLine(x, y, x + 20 + int(random() % 60), y);
    }
}

void drawTrees(QPainter& p) {
    std::mt19937 random(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const double x = random() % 520;
        const double size = 40 + random() % 80;
        const double foot = horizon + 20 + (random() % 60) + x / 12;
        p.setBrush(QColor(18 + int(random() % 20), 48 + int(random() % 30), 30 + int(random() % 20)));
        const QPointF tree[] = {{x, foot - size}, {x - size / 4, foot}, {x + size / 4, foot}};
        p.drawPolygon(tree, 3);
    }
    p.setBrush(QColor(34, 52, 30));
    QPainterPath shore(QPointF(0, horizon + 20));
    shore.cubicTo(200, horizon + 40, 420, horizon + 90, 620, height);
    shore.lineTo(0, height);
    shore.closeSubpath();
    p.drawPath(shore);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trajecta_default_photo OUTPUT.jpg\n");
        return 2;
    }
    QImage photo(width, height, QImage::Format_RGB32);
    {
        QPainter p(&photo);
        p.setRenderHint(QPainter::Antialiasing);
        drawSky(p);
        drawMountains(p);
        drawLake(p);
        drawTrees(p);
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(encodeJpeg(photo, 85)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
