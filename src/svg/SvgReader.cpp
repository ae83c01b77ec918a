#include "svg/SvgReader.h"

#include "svg/TextCursor.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>

namespace trajecta::svg {

namespace {

using Error = SvgDrawing::Error;

SvgDrawing failed(Error error, const QString& reason = {}) {
    SvgDrawing drawing;
    drawing.error = error;
    drawing.reason = reason;
    return drawing;
}

// The characters an entity's value expands to, its references expanded in
// turn; saturating at `limit`, and at it for a reference to itself.
class EntitySizes {
  public:
    EntitySizes(const QXmlStreamEntityDeclarations& declarations, qint64 limit) : limit_(limit) {
        for (const QXmlStreamEntityDeclaration& d : declarations)
            values_.insert(d.name().toString(), d.value().toString());
    }

    qint64 largest() {
        qint64 most = 0;
        for (auto it = values_.cbegin(); it != values_.cend(); ++it)
            most = std::max(most, size(it.key()));
        return most;
    }

  private:
    qint64 size(const QString& name) {
        if (const auto known = sizes_.constFind(name); known != sizes_.cend()) return *known;
        sizes_.insert(name, limit_); // a reference back to it while it is measured
        const QString value = values_.value(name);
        qint64 total = 0;
        for (qsizetype i = 0; i < value.size() && total < limit_; ++i) {
            const qsizetype end = value.indexOf(QLatin1Char(';'), i + 1);
            const QString ref =
                value[i] == QLatin1Char('&') && end > i ? value.mid(i + 1, end - i - 1) : QString();
            if (values_.contains(ref)) {
                total += size(ref);
                i = end;
            } else {
                ++total;
            }
        }
        total = std::min(total, limit_);
        sizes_.insert(name, total);
        return total;
    }

    qint64 limit_;
    QHash<QString, QString> values_;
    QHash<QString, qint64> sizes_;
};

// Every reference may expand to the largest entity: refused when that could
// pass the size of the largest file read.
bool entitiesBounded(const QXmlStreamReader& reader, const QByteArray& bytes) {
    const qint64 largest = EntitySizes(reader.entityDeclarations(), maxSvgBytes).largest();
    const qint64 references = bytes.count('&');
    return largest == 0 || references <= maxSvgBytes / largest;
}

std::optional<double> length(QStringView text) {
    TextCursor cursor(text.trimmed());
    double value = 0;
    if (!cursor.number(value) || value <= 0) return std::nullopt;
    const QStringView unit = text.trimmed().mid(cursor.position());
    static const std::pair<const char16_t*, double> units[] = {
        {u"", 1},    {u"px", 1},         {u"mm", 96 / 25.4}, {u"cm", 96 / 2.54},
        {u"in", 96}, {u"pt", 96.0 / 72}, {u"pc", 16}};
    for (const auto& [name, factor] : units)
        if (unit == QStringView(name)) return value * factor;
    return std::nullopt;
}

std::optional<QRectF> viewBox(QStringView text) {
    TextCursor cursor(text);
    double v[4] = {};
    cursor.skipSpaces();
    for (double& value : v) {
        if (!cursor.number(value)) return std::nullopt;
        cursor.skipSeparator();
    }
    if (!cursor.atEnd() || v[2] <= 0 || v[3] <= 0) return std::nullopt;
    return QRectF(v[0], v[1], v[2], v[3]);
}

Viewport viewportOf(const QXmlStreamAttributes& root) {
    Viewport viewport;
    viewport.viewBox = viewBox(root.value(QStringLiteral("viewBox")));
    const std::optional<double> width = length(root.value(QStringLiteral("width")));
    const std::optional<double> height = length(root.value(QStringLiteral("height")));
    if (width && height) viewport.size = QSizeF(*width, *height);
    return viewport;
}

// Containers whose content is drawn only where something refers to it.
bool notDrawnInPlace(QStringView name) {
    static const QStringView names[] = {u"defs", u"symbol", u"clipPath", u"mask", u"pattern", u"marker"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The transform an element adds to its parent's; nothing once one does not read.
std::optional<Affine> composed(const std::optional<Affine>& parent, const QXmlStreamAttributes& attributes) {
    if (!attributes.hasAttribute(QStringLiteral("transform"))) return parent;
    const std::optional<Affine> own = parseTransform(attributes.value(QStringLiteral("transform")));
    return parent && own ? std::optional(*parent * *own) : std::nullopt;
}

// Walks the elements inside the root, keeping each one's composed transform,
// then reads to the end so that a fault anywhere is found.
void readElements(QXmlStreamReader& reader, SvgDrawing& drawing) {
    std::vector<std::optional<Affine>> transforms{composed(Affine{}, reader.attributes())};
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (transforms.empty()) continue;
        if (token == QXmlStreamReader::EndElement) transforms.pop_back();
        if (token != QXmlStreamReader::StartElement) continue;
        if (notDrawnInPlace(reader.name())) {
            reader.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        const std::optional<Affine> transform = composed(transforms.back(), attributes);
        if (reader.name() == u"path" && int(drawing.paths.size()) < maxListedPaths)
            drawing.paths.push_back({attributes.value(QStringLiteral("id")).toString(),
                                     attributes.value(QStringLiteral("d")).toString(), transform});
        transforms.push_back(transform);
    }
}

} // namespace

SvgDrawing readSvgFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failed(Error::Unreadable, file.errorString());
    if (file.size() > maxSvgBytes) return failed(Error::TooLarge);
    // A file that grows while it is read is still read no further than the limit.
    const QByteArray bytes = file.read(maxSvgBytes + 1);
    if (file.error() != QFileDevice::NoError) return failed(Error::Unreadable, file.errorString());
    if (bytes.size() > maxSvgBytes) return failed(Error::TooLarge);
    return readSvg(bytes);
}

SvgDrawing readSvg(const QByteArray& bytes) {
    if (bytes.size() > maxSvgBytes) return failed(Error::TooLarge);
    QXmlStreamReader reader(bytes);
    SvgDrawing drawing;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD && !entitiesBounded(reader, bytes)) return failed(Error::Entities);
        if (token == QXmlStreamReader::StartElement) break;
    }
    if (!reader.isStartElement() || reader.name() != u"svg") return failed(Error::NotSvg);
    drawing.viewport = viewportOf(reader.attributes());
    readElements(reader, drawing);
    if (reader.hasError()) return failed(Error::NotSvg);
    return drawing;
}

Affine viewportTransform(const Viewport& viewport, QSizeF area) {
    const QRectF shown = viewport.viewBox ? *viewport.viewBox
                         : viewport.size  ? QRectF(QPointF(0, 0), *viewport.size)
                                          : QRectF();
    if (shown.isEmpty()) return Affine{};
    const double scale = std::min(area.width() / shown.width(), area.height() / shown.height());
    const double left = (area.width() - shown.width() * scale) / 2 - shown.left() * scale;
    const double top = (area.height() - shown.height() * scale) / 2 - shown.top() * scale;
    return Affine{scale, 0, 0, scale, left, top};
}

} // namespace trajecta::svg
