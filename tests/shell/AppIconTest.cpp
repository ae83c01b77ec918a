#include "shell/AppIcon.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace trajecta {
namespace {

const QString iconFolder = QStringLiteral(TRAJECTA_TEST_DATA "/../../data/icons/");

// The largest difference of one channel between two pictures of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

// The installed icons are the drawing of today: redraw them with
// trajecta_app_icons when the drawing changes.
TEST(AppIcon, TheInstalledIconsAreTheProgramsDrawing) {
    QFile svg(iconFolder + "trajecta.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(svg.readAll()), AppIcon::svg());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage stored(iconFolder + QStringLiteral("trajecta-%1.png").arg(size));
        const QImage drawn = AppIcon::picture(size);
        ASSERT_EQ(stored.size(), QSize(size, size));
        EXPECT_LE(largestDifference(stored.convertToFormat(drawn.format()), drawn), 2) << size;
    }
}

// Readable at the smallest size: the corners stay clear, the slide, the path
// and the white keypoints all show, and the SVG holds the same three parts.
TEST(AppIcon, ShowsSlidePathAndKeypointsEvenAt16Pixels) {
    const QImage small = AppIcon::picture(16);
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(15, 15)), 0);
    int slide = 0, path = 0, dots = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = QColor::fromRgba(small.pixel(x, y));
            if (c.alpha() < 255) continue;
            if (c.blue() > c.red() + 60)
                ++slide;
            else if (c.red() > 200 && c.blue() < 120)
                ++path;
            else if (c.lightness() > 200)
                ++dots;
        }
    EXPECT_GT(slide, 30);
    EXPECT_GT(path, 4);
    EXPECT_GT(dots, 0);

    QXmlStreamReader xml(AppIcon::svg());
    QStringList elements;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) elements << xml.name().toString();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(elements, QStringList({"svg", "rect", "path", "circle", "circle", "circle"}));
}

} // namespace
} // namespace trajecta
