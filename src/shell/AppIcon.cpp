#include "shell/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace trajecta::AppIcon {

namespace {

// The drawing, in a 64 × 64 box.
constexpr QRectF slide(4, 10, 56, 44);
constexpr double slideRadius = 5;
constexpr double slideBorder = 2.5;
constexpr QPointF path[4] = {{13, 45}, {43, 50}, {21, 14}, {51, 19}};
constexpr double pathWidth = 5;
constexpr double dotRadius = 4.5;
constexpr double dotBorder = 1.5;
const QColor slideFill(0x2b, 0x5d, 0x8f);
const QColor ink(0x15, 0x2f, 0x4a);
const QColor pathColour(0xff, 0xb0, 0x20);
const QColor dotFill(Qt::white);

// The keypoints shown on the path: both ends and the middle of the S.
QPointF pointAt(double t) {
    const double u = 1 - t;
    return path[0] * (u * u * u) + path[1] * (3 * u * u * t) + path[2] * (3 * u * t * t) +
           path[3] * (t * t * t);
}
constexpr double dots[] = {0.0, 0.5, 1.0};

QString number(double v) {
    return QString::number(v, 'g', 6);
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

} // namespace

QImage picture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(ink, slideBorder));
    p.setBrush(slideFill);
    p.drawRoundedRect(slide, slideRadius, slideRadius);
    QPainterPath curve(path[0]);
    curve.cubicTo(path[1], path[2], path[3]);
    p.setPen(QPen(pathColour, pathWidth, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(ink, dotBorder));
    p.setBrush(dotFill);
    for (double t : dots)
        p.drawEllipse(pointAt(t), dotRadius, dotRadius);
    return image;
}

QString svg() {
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                        "viewBox=\"0 0 64 64\">\n");
    s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\" "
                        "stroke=\"%7\" stroke-width=\"%8\"/>\n")
             .arg(number(slide.x()), number(slide.y()), number(slide.width()), number(slide.height()),
                  number(slideRadius), colour(slideFill), colour(ink), number(slideBorder));
    s += QStringLiteral("  <path d=\"M %1 %2 C %3 %4 %5 %6 %7 %8\" fill=\"none\" stroke=\"%9\" "
                        "stroke-width=\"%10\" stroke-linecap=\"round\"/>\n")
             .arg(number(path[0].x()), number(path[0].y()), number(path[1].x()), number(path[1].y()),
                  number(path[2].x()), number(path[2].y()), number(path[3].x()), number(path[3].y()),
                  colour(pathColour))
             .arg(number(pathWidth));
    for (double t : dots) {
        const QPointF at = pointAt(t);
        s += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"%5\" "
                            "stroke-width=\"%6\"/>\n")
                 .arg(number(at.x()), number(at.y()), number(dotRadius), colour(dotFill), colour(ink),
                      number(dotBorder));
    }
    s += QStringLiteral("</svg>\n");
    return s;
}

} // namespace trajecta::AppIcon
