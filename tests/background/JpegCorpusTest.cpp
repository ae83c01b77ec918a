#include "background/PictureLoader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace trajecta;

// The fuzzer's seed pictures (baseline, progressive, grey, CMYK, restart
// markers, Exif in both byte orders) all decode upright, and each one cut short
// is refused.
TEST(JpegCorpus, EverySeedDecodesAndEveryCutSeedIsRefused) {
    const QDir corpus(TRAJECTA_FUZZ_CORPUS);
    const QStringList seeds = corpus.entryList(QDir::Files);
    ASSERT_GE(seeds.size(), 5);
    for (const QString& name : seeds) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const LoadedPicture loaded = decodeJpeg(data, {});
        EXPECT_TRUE(loaded.ok()) << name.toStdString() << ": " << loaded.detail.toStdString();
        EXPECT_EQ(decodeJpeg(data, loaded.fullSize).picture.size(), loaded.fullSize) << name.toStdString();
        for (const qsizetype cut : {qsizetype(2), data.size() / 3, data.size() - 3})
            EXPECT_EQ(decodeJpeg(data.left(cut), {}).fault, PictureFault::Damaged)
                << name.toStdString() << " cut at " << cut;
    }
    const LoadedPicture turned = decodeJpeg(
        [&] {
            QFile file(corpus.filePath("exif-rotated.jpg"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }(),
        {33, 33});
    EXPECT_EQ(turned.picture.size(), QSize(17, 33));
}
