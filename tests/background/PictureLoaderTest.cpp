#include "background/PictureLoader.h"
#include "support/JpegWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace trajecta;

namespace {

constexpr QRgb red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF, white = 0xFFFFFFFF;

// Four plain quadrants: red, green above; blue, white below.
QImage quadrants(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y,
                             y < height / 2 ? (x < width / 2 ? red : green) : (x < width / 2 ? blue : white));
    return picture;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

// Replaces the height and width of the first frame header.
QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(JpegDecoding, DecodesAtTheSmallestScaleThatCoversTheRequest) {
    const QByteArray jpeg = encodeJpeg(quadrants(64, 48), 95);
    const struct {
        QSize request, decoded;
    } cases[] = {{{}, {8, 6}},         {{8, 6}, {8, 6}},     {{9, 6}, {16, 12}},
                 {{16, 13}, {32, 24}}, {{33, 10}, {64, 48}}, {{200, 200}, {64, 48}}};
    for (const auto& c : cases) {
        const LoadedPicture loaded = decodeJpeg(jpeg, c.request);
        ASSERT_TRUE(loaded.ok()) << loaded.detail.toStdString();
        EXPECT_EQ(loaded.picture.size(), c.decoded);
        EXPECT_EQ(loaded.fullSize, QSize(64, 48));
        EXPECT_EQ(loaded.picture.format(), QImage::Format_RGB32);
    }
    const LoadedPicture full = decodeJpeg(jpeg, {64, 48});
    EXPECT_TRUE(near(full.picture.pixel(8, 8), red));
    EXPECT_TRUE(near(full.picture.pixel(56, 8), green));
    EXPECT_TRUE(near(full.picture.pixel(8, 40), blue));
    EXPECT_TRUE(near(full.picture.pixel(56, 40), white));
    EXPECT_EQ(full.picture.pixel(0, 0) >> 24, 0xFFu);
}

// Each orientation the camera records, against its meaning: where the stored
// rows and columns go on the upright picture.
TEST(JpegDecoding, TurnsThePictureUprightForEveryExifOrientation) {
    const int w = 64, h = 32;
    const QImage stored = quadrants(w, h);
    using Source = std::function<QPoint(int x, int y)>;
    const Source sources[] = {
        [](int x, int y) { return QPoint(x, y); },
        [&](int x, int y) { return QPoint(w - 1 - x, y); },
        [&](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); },
        [&](int x, int y) { return QPoint(x, h - 1 - y); },
        [](int x, int y) { return QPoint(y, x); },
        [&](int x, int y) { return QPoint(y, h - 1 - x); },
        [&](int x, int y) { return QPoint(w - 1 - y, h - 1 - x); },
        [&](int x, int y) { return QPoint(w - 1 - y, x); },
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const LoadedPicture loaded = decodeJpeg(encodeJpeg(stored, 95, orientation), {w, w});
        ASSERT_TRUE(loaded.ok());
        const QSize upright = orientation >= 5 ? QSize(h, w) : QSize(w, h);
        EXPECT_EQ(loaded.picture.size(), upright) << orientation;
        EXPECT_EQ(loaded.fullSize, upright) << orientation;
        for (const QPoint p : {QPoint(upright.width() / 4, upright.height() / 4),
                               QPoint(3 * upright.width() / 4, upright.height() / 4),
                               QPoint(upright.width() / 4, 3 * upright.height() / 4),
                               QPoint(3 * upright.width() / 4, 3 * upright.height() / 4)}) {
            const QPoint s = sources[orientation - 1](p.x(), p.y());
            EXPECT_TRUE(near(loaded.picture.pixel(p), stored.pixel(s)))
                << orientation << " at " << p.x() << "," << p.y();
        }
    }
}

TEST(JpegDecoding, RefusesBrokenDataWithoutStopping) {
    const QByteArray jpeg = encodeJpeg(quadrants(64, 48), 90);
    const LoadedPicture truncated = decodeJpeg(jpeg.left(jpeg.size() / 2), {});
    EXPECT_EQ(truncated.fault, PictureFault::Damaged);
    EXPECT_TRUE(truncated.picture.isNull());
    EXPECT_TRUE(truncated.detail.contains("Premature end")) << truncated.detail.toStdString();
    EXPECT_EQ(decodeJpeg(jpeg.left(20), {}).fault, PictureFault::Damaged);
    EXPECT_EQ(decodeJpeg({}, {}).fault, PictureFault::Damaged);
    EXPECT_EQ(decodeJpeg("GIF89a and more", {}).fault, PictureFault::Damaged);
    QByteArray scrambled = jpeg;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
        scrambled[i] = char(i * 31);
    const LoadedPicture garbled = decodeJpeg(scrambled, {});
    EXPECT_EQ(garbled.ok(), !garbled.picture.isNull());
}

TEST(JpegDecoding, RefusesAbsurdSizesFromTheHeader) {
    const QByteArray jpeg = encodeJpeg(quadrants(16, 16), 90);
    for (const QSize size : {QSize(16385, 8), QSize(8, 20000), QSize(15000, 15000)}) {
        const LoadedPicture loaded = decodeJpeg(withFrameSize(jpeg, size.width(), size.height()), {});
        EXPECT_EQ(loaded.fault, PictureFault::TooLarge) << size.width() << "x" << size.height();
        EXPECT_EQ(loaded.fullSize, size);
    }
    // At the limits the header passes; the missing data then refuses it.
    EXPECT_EQ(decodeJpeg(withFrameSize(jpeg, 16384, 12207), {}).fault, PictureFault::Damaged);
}

TEST(PictureFiles, LoadsJpegByContentAndOtherFormatsThroughTheToolkit) {
    QTemporaryDir dir;
    const QImage picture = quadrants(40, 30);
    const LoadedPicture jpeg = loadPicture(write(dir, "named.png", encodeJpeg(picture, 95)), {40, 30});
    ASSERT_TRUE(jpeg.ok());
    EXPECT_TRUE(near(jpeg.picture.pixel(5, 5), red));

    const QString png = dir.filePath("p.png");
    ASSERT_TRUE(picture.save(png));
    const LoadedPicture loaded = loadPicture(png, {1000, 1000});
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.picture, picture);
    EXPECT_EQ(loaded.fullSize, QSize(40, 30));

    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(dir.filePath("clear.png")));
    EXPECT_EQ(loadPicture(dir.filePath("clear.png"), {}).picture.pixel(2, 2), white);
}

TEST(PictureFiles, RefusesWhatCannotBeShownWithAMessageNamingTheFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.jpg");
    const QString text = write(dir, "notes.jpg", "not a picture at all\n");
    const QString cut = write(dir, "cut.jpg", encodeJpeg(quadrants(64, 48), 90).left(300));
    QImage bmp(2, 2, QImage::Format_RGB32);
    bmp.fill(Qt::black);
    ASSERT_TRUE(bmp.save(dir.filePath("small.bmp")));
    QFile small(dir.filePath("small.bmp"));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    QByteArray huge = small.readAll();
    huge[18] = char(0x20), huge[19] = char(0x4E), huge[22] = char(0x10); // 20000 × 16
    const QString bigBmp = write(dir, "big.bmp", huge);

    const struct {
        QString path;
        PictureFault fault;
        const char *french, *english;
    } cases[] = {
        {missing, PictureFault::Unreadable, "Impossible de lire", "cannot be read"},
        {text, PictureFault::NotAPicture, "n'est pas une image", "is not a readable picture"},
        {cut, PictureFault::Damaged, "endommagée ou incomplète", "damaged or incomplete"},
        {bigBmp, PictureFault::TooLarge, "trop grande (20000 × 16)", "too large (20000 × 16)"},
    };
    for (const auto& c : cases) {
        const LoadedPicture loaded = loadPicture(c.path, {});
        EXPECT_EQ(loaded.fault, c.fault) << c.path.toStdString();
        EXPECT_TRUE(loaded.picture.isNull());
        const QString french = pictureFaultMessage(loaded, c.path, 0);
        const QString english = pictureFaultMessage(loaded, c.path, 1);
        EXPECT_TRUE(french.contains(QDir::toNativeSeparators(c.path)) &&
                    french.contains(QString::fromUtf8(c.french)))
            << french.toStdString();
        EXPECT_TRUE(english.contains(QDir::toNativeSeparators(c.path)) &&
                    english.contains(QString::fromUtf8(c.english)))
            << english.toStdString();
    }
}

TEST(PictureFiles, TheBuiltInPhotoDecodesThroughTheJpegPath) {
    const LoadedPicture full = defaultPhoto({1699, 956});
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.picture.size(), QSize(1600, 900));
    const LoadedPicture quarter = defaultPhoto({400, 225});
    EXPECT_EQ(quarter.picture.size(), QSize(400, 225));
    EXPECT_EQ(quarter.fullSize, QSize(1600, 900));
}

TEST(PictureFiles, TheDialogFilterListsTheReadableFormats) {
    const QStringList suffixes = readablePictureSuffixes();
    for (const char* suffix : {"bmp", "jpeg", "jpg", "png"})
        EXPECT_TRUE(suffixes.contains(suffix)) << suffix;
    EXPECT_EQ(suffixes.count("jpg"), 1);
    EXPECT_TRUE(pictureFileFilter(0).startsWith("Images (*.")) << pictureFileFilter(0).toStdString();
    EXPECT_TRUE(pictureFileFilter(1).contains("*.png"));
}
