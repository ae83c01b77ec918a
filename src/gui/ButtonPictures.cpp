#include "gui/ButtonPictures.h"

#include "document/ControlIds.h"
#include "shell/CaptionTables.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace trajecta {

bool ButtonPictures::pressed(const QString& imageName) {
    return imageName.endsWith(QLatin1String("bas"), Qt::CaseInsensitive);
}

QString ButtonPictures::caption(const QString& imageName, int languageIndex) {
    return buttonPictureCaption(imageName, languageIndex);
}

QPixmap ButtonPictures::forImage(const QString& imageName, int languageIndex) {
    const QString text = caption(imageName, languageIndex);
    if (!text.isEmpty()) return textButton(text, pressed(imageName));
    if (imageName == ids::ImgFG_haut) return arrowButton(true);
    if (imageName == ids::ImgFD_haut) return arrowButton(false);
    return {};
}

// A raised button: light top and left edges, dark bottom and right; pressed,
// the edges swap, the face darkens and the text sinks by one pixel.
QPixmap ButtonPictures::textButton(const QString& text, bool pressed) {
    QPixmap picture(buttonWidth, buttonHeight);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(1.5, 1.5, buttonWidth - 3, buttonHeight - 3);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, pressed ? QColor(0x2f, 0x5f, 0x9a) : QColor(0x6f, 0xa8, 0xe8));
    fill.setColorAt(1, pressed ? QColor(0x3f, 0x78, 0xbe) : QColor(0x2c, 0x62, 0xa8));
    QPainterPath shape;
    shape.addRoundedRect(face, 7, 7);
    p.fillPath(shape, fill);

    const QColor light(255, 255, 255, 170), dark(0, 0, 0, 150);
    p.setPen(QPen(pressed ? dark : light, 2));
    p.drawLine(QPointF(8, 2.5), QPointF(buttonWidth - 8, 2.5));
    p.drawLine(QPointF(2.5, 8), QPointF(2.5, buttonHeight - 8));
    p.setPen(QPen(pressed ? light : dark, 2));
    p.drawLine(QPointF(8, buttonHeight - 2.5), QPointF(buttonWidth - 8, buttonHeight - 2.5));
    p.drawLine(QPointF(buttonWidth - 2.5, 8), QPointF(buttonWidth - 2.5, buttonHeight - 8));
    p.setPen(QPen(QColor(0x1a, 0x3a, 0x66), 1));
    p.drawPath(shape);

    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(pressed ? 17 : 18);
    p.setFont(font);
    const QRectF textBox = face.adjusted(6, 0, -6, 0).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(textBox.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, text);
    p.setPen(Qt::white);
    p.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, text);
    return picture;
}

QPixmap ButtonPictures::arrowButton(bool pointsLeft) {
    QPixmap picture(arrowSize, arrowSize);
    picture.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter p(&picture);
    p.setPen(Qt::white);
    p.drawLine(0, 0, arrowSize - 1, 0);
    p.drawLine(0, 0, 0, arrowSize - 1);
    p.setPen(Qt::darkGray);
    p.drawLine(0, arrowSize - 1, arrowSize - 1, arrowSize - 1);
    p.drawLine(arrowSize - 1, 0, arrowSize - 1, arrowSize - 1);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal mid = arrowSize / 2.0, reach = arrowSize * 0.3;
    const qreal tip = pointsLeft ? mid - reach : mid + reach;
    const qreal base = pointsLeft ? mid + reach * 0.8 : mid - reach * 0.8;
    QPainterPath arrow;
    arrow.moveTo(tip, mid);
    arrow.lineTo(base, mid - reach);
    arrow.lineTo(base, mid + reach);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(0x20, 0x50, 0x90));
    return picture;
}

} // namespace trajecta
