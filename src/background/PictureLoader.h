#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace trajecta {

// Pictures larger than this are refused from their header, before any pixel
// memory is taken.
inline constexpr int maxPictureSide = 16384;
inline constexpr qint64 maxPictureArea = 200'000'000;

enum class PictureFault {
    None,
    Unreadable,  // the file cannot be opened or read
    NotAPicture, // no reader recognises the contents
    Damaged,     // the decoder stopped on an error, or the data ends early
    TooLarge,    // the header claims more than the limits
};

// A loaded photo, upright (the orientation recorded by the camera applied), in
// Format_RGB32. A JPEG may be decoded at 1/2, 1/4 or 1/8 of its size when that
// still covers the requested size; fullSize is the picture's own upright size.
struct LoadedPicture {
    QImage picture;
    QSize fullSize;
    PictureFault fault = PictureFault::None;
    QString detail; // the decoder's own words for a damaged picture
    bool ok() const { return fault == PictureFault::None; }
};

// Decodes JPEG data at the smallest scale whose picture still covers
// minimumSize (an empty size asks for the smallest). Never ends the process.
LoadedPicture decodeJpeg(const QByteArray& data, QSize minimumSize);

// Loads a picture file: JPEG through the decoder above, every other format
// through the toolkit's readers.
LoadedPicture loadPicture(const QString& path, QSize minimumSize);

// The built-in photo shown until the user chooses one.
LoadedPicture defaultPhoto(QSize minimumSize);

// The lower-case file suffixes that can be loaded, sorted.
QStringList readablePictureSuffixes();
// The filter of the picture-open dialog, e.g. "Images (*.bmp *.jpg ...)".
QString pictureFileFilter(int language);

// The message of a refused picture, naming the file; language 0 French, 1 English.
QString pictureFaultMessage(const LoadedPicture& loaded, const QString& path, int language);

} // namespace trajecta
