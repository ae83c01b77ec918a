#include "svg/SvgWriter.h"

#include <QXmlStreamWriter>

namespace trajecta::svg {

namespace {

QString pathData(const CurvePicture& picture) {
    const std::vector<QPoint>& p = picture.points;
    if (p.empty()) return {};
    QStringList words{QStringLiteral("M %1 %2").arg(p[0].x()).arg(p[0].y())};
    for (size_t i = 1; i + 2 < p.size(); i += 3)
        words << QStringLiteral("C %1 %2 %3 %4 %5 %6")
                     .arg(p[i].x())
                     .arg(p[i].y())
                     .arg(p[i + 1].x())
                     .arg(p[i + 1].y())
                     .arg(p[i + 2].x())
                     .arg(p[i + 2].y());
    if (picture.closed) words << QStringLiteral("Z");
    return words.join(QLatin1Char(' '));
}

void attribute(QXmlStreamWriter& xml, const char* name, int value) {
    xml.writeAttribute(QLatin1String(name), QString::number(value));
}

} // namespace

QByteArray writeSvg(const CurvePicture& picture) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    const int width = picture.area.width(), height = picture.area.height();
    attribute(xml, "width", width);
    attribute(xml, "height", height);
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width).arg(height));

    xml.writeEmptyElement(QStringLiteral("path"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("curve"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("black"));
    xml.writeAttribute(QStringLiteral("d"), pathData(picture));

    if (const std::optional<QRect>& frame = picture.frame) {
        xml.writeEmptyElement(QStringLiteral("rect"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("frame"));
        attribute(xml, "x", frame->x());
        attribute(xml, "y", frame->y());
        attribute(xml, "width", frame->width());
        attribute(xml, "height", frame->height());
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("lime"));
        xml.writeAttribute(QStringLiteral("stroke-dasharray"), QStringLiteral("4 4"));
    }

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("samples"));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("red"));
    for (const QPoint& s : picture.samples) {
        xml.writeEmptyElement(QStringLiteral("circle"));
        attribute(xml, "cx", s.x());
        attribute(xml, "cy", s.y());
        attribute(xml, "r", 2);
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace trajecta::svg
