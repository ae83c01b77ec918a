#include "background/PictureLoader.h"

#include "core/Messages.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace trajecta {

namespace {

// No JPEG worth showing comes near this; a larger file is not read into memory.
constexpr qint64 maxFileBytes = qint64(1) << 30;

bool startsAsJpeg(const QByteArray& head) {
    return head.size() >= 3 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xD8 && uchar(head[2]) == 0xFF;
}

LoadedPicture refused(PictureFault fault, QSize claimed = {}, const QString& detail = {}) {
    LoadedPicture result;
    result.fault = fault;
    result.fullSize = claimed;
    result.detail = detail;
    return result;
}

bool beyondLimits(QSize size) {
    return size.width() > maxPictureSide || size.height() > maxPictureSide ||
           qint64(size.width()) * size.height() > maxPictureArea;
}

// Transparent parts are shown over white, like the pale plain background.
QImage opaqueRgb32(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

LoadedPicture readWithToolkit(QFile& file) {
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) return refused(PictureFault::NotAPicture);
    const QSize claimed = reader.size();
    if (claimed.isValid() && beyondLimits(claimed)) return refused(PictureFault::TooLarge, claimed);
    // The toolkit's own ceiling (256 MB by default) lies below the limits above.
    const int neededMegabytes = int(maxPictureArea * 4 / (1 << 20)) + 1;
    if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < neededMegabytes)
        QImageReader::setAllocationLimit(neededMegabytes);
    QImage image;
    if (!reader.read(&image)) {
        switch (reader.error()) {
        case QImageReader::DeviceError:
            return refused(PictureFault::Unreadable);
        case QImageReader::UnsupportedFormatError:
            return refused(PictureFault::NotAPicture);
        default:
            return refused(PictureFault::Damaged, {}, reader.errorString());
        }
    }
    if (beyondLimits(image.size())) return refused(PictureFault::TooLarge, image.size());
    LoadedPicture result;
    result.picture = opaqueRgb32(image);
    result.fullSize = result.picture.size();
    return result;
}

LoadedPicture loadFrom(QFile& file, QSize minimumSize) {
    if (!file.open(QIODevice::ReadOnly)) return refused(PictureFault::Unreadable);
    if (file.size() > maxFileBytes) return refused(PictureFault::TooLarge);
    if (!startsAsJpeg(file.peek(3))) return readWithToolkit(file);
    const QByteArray data = file.readAll();
    if (data.size() != file.size()) return refused(PictureFault::Unreadable);
    return decodeJpeg(data, minimumSize);
}

const TextPair unreadableText{"Impossible de lire le fichier « %1 ».", "The file \"%1\" cannot be read."};
const TextPair notAPictureText{"Le fichier « %1 » n'est pas une image lisible.",
                               "The file \"%1\" is not a readable picture."};
const TextPair damagedText{"L'image « %1 » est endommagée ou incomplète (%2).",
                           "The picture \"%1\" is damaged or incomplete (%2)."};
const TextPair tooLargeText{
    "L'image « %1 » est trop grande (%2) : au plus 16384 pixels de côté et 200 mégapixels.",
    "The picture \"%1\" is too large (%2): at most 16384 pixels a side and 200 megapixels."};
const TextPair overOneGigabyteText{"fichier de plus de 1 Go", "file over 1 GB"};
const TextPair keptText{" La photo actuelle est conservée.", " The current photo is kept."};
const TextPair picturesText{"Images", "Pictures"};

} // namespace

LoadedPicture loadPicture(const QString& path, QSize minimumSize) {
    QFile file(path);
    return loadFrom(file, minimumSize);
}

LoadedPicture defaultPhoto(QSize minimumSize) {
    QFile file(QStringLiteral(":/background/DefaultPhoto.jpg"));
    return loadFrom(file, minimumSize);
}

QStringList readablePictureSuffixes() {
    QStringList suffixes{"jpg", "jpeg", "jpe", "jfif"};
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes << QString::fromLatin1(format).toLower();
    suffixes.sort();
    suffixes.removeDuplicates();
    return suffixes;
}

QString pictureFileFilter(int language) {
    QStringList patterns;
    for (const QString& suffix : readablePictureSuffixes())
        patterns << "*." + suffix;
    return picturesText.in(language) + " (" + patterns.join(' ') + ")";
}

QString pictureFaultMessage(const LoadedPicture& loaded, const QString& path, int language) {
    const QString file = QDir::toNativeSeparators(path);
    QString text;
    switch (loaded.fault) {
    case PictureFault::None:
        return {};
    case PictureFault::Unreadable:
        text = unreadableText.in(language).arg(file);
        break;
    case PictureFault::NotAPicture:
        text = notAPictureText.in(language).arg(file);
        break;
    case PictureFault::Damaged:
        text = damagedText.in(language).arg(file, loaded.detail);
        break;
    case PictureFault::TooLarge: {
        const QString size =
            loaded.fullSize.isValid()
                ? QStringLiteral("%1 × %2").arg(loaded.fullSize.width()).arg(loaded.fullSize.height())
                : overOneGigabyteText.in(language);
        text = tooLargeText.in(language).arg(file, size);
        break;
    }
    }
    return text + keptText.in(language);
}

} // namespace trajecta
