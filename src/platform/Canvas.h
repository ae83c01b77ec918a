#pragma once

#include <QImage>
#include <QPoint>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class QPainter;
class QPen;

namespace trajecta {

// Colours are written as 0x00BBGGRR, the order of the stored settings and of
// every colour constant of the program.
QColor colourFromBgr(std::uint32_t bgr);
std::uint32_t bgrFromColour(const QColor& colour);
std::uint32_t bgrAt(const QImage& image, int x, int y);

enum class PenMode { Copy, Xor, NotXor };

// The drawing layer over a 24-bit picture. Antialiasing is off, so that a mark
// drawn twice with an inverting pen vanishes exactly. The pen and brush persist
// between calls, as on a classic device context.
//
// Boxes (rectangle, ellipse, filled rectangle) run from (left, top) to
// (right, bottom) with the right and bottom edges excluded. Lines include both
// end points; a solid line of width 1 sets the pixels nearest the ideal line.
class Canvas {
  public:
    explicit Canvas(QImage& image);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void setPenColour(std::uint32_t bgr);
    void setPenWidth(int width);
    void setPenDashed(bool dashed);
    void setPenMode(PenMode mode);
    void setBrushSolid(std::uint32_t bgr);
    void setBrushClear();
    std::uint32_t penColour() const { return penColour_; }
    int penWidth() const { return penWidth_; }
    PenMode penMode() const { return mode_; }

    // One pixel in the pen colour and mode.
    void pixel(int x, int y);
    // The same for `count` pixels.
    void pixels(const QPoint* points, int count);
    void line(int x0, int y0, int x1, int y1);
    void moveTo(int x, int y) { cursor_ = QPoint(x, y); }
    void lineTo(int x, int y);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    // A cubic Bezier path through 3n+1 control points, in the pen.
    void bezier(const std::vector<QPoint>& points);
    // Fills with a colour, ignoring pen and brush.
    void fillRect(int left, int top, int right, int bottom, std::uint32_t bgr);
    void drawImage(int x, int y, const QImage& picture);
    void stretchImage(int left, int top, int right, int bottom, const QImage& picture);

    // Copies `area` of `picture`, of the same size and format, to the same
    // place: a plain copy of those rows.
    void copyArea(const QImage& picture, QRect area);
    // The pen, the brush and the line's current point of `other`.
    void takePen(const Canvas& other);

    // The area every drawing call since the last take may have changed
    // (empty when none did), for a window to show only that again.
    QRect takeDrawnArea();

    // While held, the drawing calls leave the picture as it is (the pen and
    // the line's current point still follow them): a replay of many
    // operations draws its picture once, at its end.
    void setHeld(bool held) { held_ = held; }
    bool held() const { return held_; }

    // Ends any drawing in progress; call before reading the picture elsewhere.
    void flush();
    QImage& image();

  private:
    QPainter& painter();
    QPen pen() const;
    void solidLine(int x0, int y0, int x1, int y1);
    bool rowsReady();
    void put(int x, int y);
    void applyPen();
    void drew(QRect box);
    void drew(int x, int y);
    template <typename Draw> void invertCovered(QRect bounds, std::initializer_list<QRect> scan, Draw&& draw);

    QImage& image_;
    std::unique_ptr<QPainter> painter_;
    std::uint32_t penColour_ = 0;
    std::uint32_t brushColour_ = 0xFFFFFF;
    int penWidth_ = 1;
    bool dashed_ = false;
    bool brushSolid_ = true;
    PenMode mode_ = PenMode::Copy;
    bool held_ = false;
    int drawnLeft_ = INT_MAX, drawnTop_ = INT_MAX, drawnRight_ = INT_MIN, drawnBottom_ = INT_MIN;
    QPoint cursor_;
    QImage mask_;           // coverage of inverting shapes; all clear between calls
    uchar* bits_ = nullptr; // the picture's rows, for single pixels
    qint64 cacheKey_ = 0;   // the picture those rows belong to
    qsizetype stride_ = 0;
    int width_ = 0, height_ = 0;
};

} // namespace trajecta
