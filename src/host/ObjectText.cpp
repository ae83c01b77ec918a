#include "host/ObjectText.h"

#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace trajecta {

namespace {

const QString panSpeedKey = QStringLiteral("  PanSpeed=");
const QString rotateSpeedKey = QStringLiteral("  RotateSpeed=");
const QString zoomSpeedKey = QStringLiteral("  ZoomSpeed=");
const QString keyPointKey = QStringLiteral("  object KeyPoint");

// Out-of-range lines read as empty: a text cut short is an input like any other.
QString lineAt(const QStringList& lines, int index) {
    return index >= 0 && index < lines.size() ? lines.at(index) : QString();
}

QString afterEquals(const QString& line) {
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

// The Time value of the entry at `start`: its next line without "    Time=".
std::optional<int> entryTime(const QStringList& lines, int start) {
    return parseInteger(lineAt(lines, start + 1).mid(9));
}

// 0 SlideBegin, 1 PrevEffectEnd, 2 NextEffectBegin, 3 SlideEnd; -1 any other text.
int entryOrigin(const QStringList& lines, int start) {
    static const QStringList origins{QStringLiteral("Origin=SlideBegin"), QStringLiteral("Origin=PrevEffectEnd"),
                                     QStringLiteral("Origin=NextEffectBegin"), QStringLiteral("Origin=SlideEnd")};
    return static_cast<int>(origins.indexOf(lineAt(lines, start + 2).trimmed()));
}

int findKeyPointLine(const QStringList& lines, int from, int end) {
    for (int i = from; i < end; ++i)
        if (isKeyPointLine(lines.at(i))) return i;
    return -1;
}

// The positions of the ";" of a line, in order.
QList<int> semicolons(const QString& line) {
    QList<int> at;
    for (int i = 0; i < line.size(); ++i)
        if (line.at(i) == QLatin1Char(';')) at.append(i);
    return at;
}

// The field that begins after the first ";" and ends at the next ";" searched
// from the second character after it (so an empty field is never taken).
std::optional<QString> firstSpeedField(const QString& line) {
    const int first = static_cast<int>(line.indexOf(QLatin1Char(';')));
    if (first < 0) return std::nullopt;
    const int next = static_cast<int>(line.indexOf(QLatin1Char(';'), first + 2));
    if (next < 0) return std::nullopt;
    return line.mid(first + 1, next - first - 1);
}

// A real number with "." or "," as decimal mark, in extended precision.
std::optional<Extended> parseExtended(const QString& text) {
    QByteArray bytes = text.trimmed().toLatin1();
    const int comma = static_cast<int>(bytes.indexOf(','));
    if (comma >= 0 && !bytes.contains('.')) bytes[comma] = '.';
    if (bytes.startsWith('+')) bytes.remove(0, 1);
    if (bytes.isEmpty()) return std::nullopt;
    Extended value = 0;
    const char* end = bytes.constData() + bytes.size();
    const auto [ptr, ec] = std::from_chars(bytes.constData(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// a - b, or nothing when the difference leaves the 32-bit range: times that
// far apart come from no slide show, and a wrapped offset would be garbage.
std::optional<int> difference(int a, int b) {
    const qint64 d = qint64(a) - qint64(b);
    if (d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(d);
}

// The values of the first KeyPoint kept for every keypoint written later.
void takeDefaults(const QStringList& lines, int k, ObjectRead& read) {
    KeyPointDefaults& d = read.defaults;
    d.opacity = afterEquals(lines.at(k + 3));
    d.scaleX = afterEquals(lines.at(k + 5));
    d.scaleY = afterEquals(lines.at(k + 6));
    d.angleX = afterEquals(lines.at(k + 9));
    d.angleY = afterEquals(lines.at(k + 10));
    d.zPos = afterEquals(lines.at(k + 11));
    const QString centre = afterEquals(lines.at(k + 8));
    const int comma = static_cast<int>(centre.indexOf(QLatin1Char(',')));
    d.centreX = comma < 0 ? centre : centre.left(comma);
    d.centreY = comma < 0 ? QString() : centre.mid(comma + 1);
    read.zoomEqual = d.scaleX == d.scaleY;
    read.centreEqual = d.centreX == d.centreY;
    read.valuesTaken = true;
}

// The first KeyPoint is not counted from the slide's beginning: a second one
// that is gives the slide offset through the PanSpeed value's second time.
// Returns false when the object must be refused.
bool correctFirstTime(const QStringList& lines, int p, int k, int end, ObjectRead& read) {
    read.firstTimeReliable = false;
    const int k2 = findKeyPointLine(lines, k + 3, end);
    if (k2 < 0 || entryOrigin(lines, k2) != 0) {
        read.firstKeypointTime = 2000;
        return true;
    }
    const std::optional<int> kpTime2 = entryTime(lines, k2);
    if (!kpTime2) return false;
    const QString& line = lines.at(p);
    const QList<int> at = semicolons(line);
    if (at.size() < 2) return false;
    const QString t1Text = line.mid(at[0] + 1, at[1] - at[0] - 1);
    const std::optional<int> t1 = parseInteger(t1Text);
    if (!t1) {
        read.status = ObjectRead::Status::BadSpeedField;
        read.badText = t1Text;
        return false;
    }
    const QString t2Text = at.size() < 3 ? line.mid(at[1] + 1) : line.mid(at[1] + 1, at[2] - at[1] - 1);
    const std::optional<int> t2 = at.size() < 3 ? std::nullopt : parseInteger(t2Text);
    if (!t2) {
        read.status = ObjectRead::Status::BadSpeedField;
        read.badText = t2Text;
        return false;
    }
    const std::optional<int> offset = difference(*t2, *kpTime2);
    const std::optional<int> first = offset ? difference(*t1, *offset) : std::nullopt;
    if (!first) return false;
    read.slideOffset = *offset;
    read.firstKeypointTime = *first;
    return true;
}

} // namespace

QStringList splitClipboardText(const QString& text) {
    QStringList lines;
    const int nul = static_cast<int>(text.indexOf(QChar(0)));
    const int size = nul < 0 ? static_cast<int>(text.size()) : nul;
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < size) lines.append(text.mid(start, size - start));
    return lines;
}

QString joinObjectText(const QStringList& lines) {
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines) size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString formatNumber(double x) {
    // Below a million the value scaled to millionths is known in extended
    // precision to far better than 1e-6, so unless it lies that close to a
    // tie its rounding is certain and the digits come straight from an
    // integer; ties and large values take the exact decimal expansion.
    if (std::fabs(x) < 1e6) {
        const long double scaled = std::fabs(static_cast<long double>(x)) * 1000000.0L;
        const long double whole = std::floor(scaled);
        const long double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5L) > 1e-6L) {
            const auto millionths = static_cast<unsigned long long>(whole) + (fraction > 0.5L ? 1 : 0);
            char buffer[32];
            char* end = buffer + sizeof buffer;
            char* at = end;
            unsigned long long decimals = millionths % 1000000;
            int places = 6;
            while (places > 0 && decimals % 10 == 0 && decimals != 0) {
                decimals /= 10;
                --places;
            }
            if (decimals != 0) {
                for (int i = 0; i < places; ++i, decimals /= 10) *--at = static_cast<char>('0' + decimals % 10);
                *--at = '.';
            }
            unsigned long long units = millionths / 1000000;
            do {
                *--at = static_cast<char>('0' + units % 10);
                units /= 10;
            } while (units != 0);
            if (x < 0 && millionths != 0) *--at = '-';
            return QString::fromLatin1(at, static_cast<qsizetype>(end - at));
        }
    }
    QString text = formatFixed(x, 6, QLatin1Char('.'));
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

QString toLocalDecimal(const QString& text, QChar mark) {
    QString result = text;
    for (QChar& c : result) {
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            c = mark;
            break;
        }
    }
    return result;
}

std::optional<QString> normaliseNumber(const QString& text, QChar mark) {
    QString local = toLocalDecimal(text, mark);
    if (mark != QLatin1Char('.') && mark != QLatin1Char(',')) local.replace(mark, QLatin1Char('.'));
    const std::optional<double> value = parseNumber(local);
    if (!value) return std::nullopt;
    return formatNumber(*value);
}

bool isPanSpeedLine(const QString& line) { return line.startsWith(panSpeedKey); }
bool isKeyPointLine(const QString& line) { return line.startsWith(keyPointKey); }

EntryExtent keyPointEntry(const QStringList& lines, int start) {
    const int n = static_cast<int>(lines.size());
    int i = start + 1;
    while (i < n && lines.at(i).startsWith(QLatin1String("    "))) ++i;
    EntryExtent extent;
    if (i < n && lines.at(i).startsWith(QLatin1String("  end")) && lines.at(i).trimmed() == QLatin1String("end")) {
        extent.closed = true;
        ++i;
    }
    extent.length = i - start;
    return extent;
}

ObjectSpan objectSpan(const QStringList& lines, int inside) {
    ObjectSpan span;
    span.end = static_cast<int>(lines.size());
    for (int i = inside; i >= 1; --i) {
        if (lines.at(i).startsWith(QLatin1String("object "))) {
            span.first = i;
            break;
        }
    }
    for (int i = inside + 1; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QLatin1String("end")) && lines.at(i).trimmed() == QLatin1String("end")) {
            span.end = i;
            break;
        }
    }
    return span;
}

int findPanSpeedLine(const QStringList& lines) {
    for (int i = 1; i < lines.size(); ++i)
        if (isPanSpeedLine(lines.at(i))) return i;
    return -1;
}

ObjectRead readObject(const QStringList& lines, bool takeValues) {
    ObjectRead read;
    const int count = static_cast<int>(lines.size());
    if (count < 10 || !lines.at(0).contains(QLatin1String("PicturesToExe-Objects"))) return read;
    const int p = findPanSpeedLine(lines);
    if (p < 0) return read;
    read.panSpeedLine = p;
    read.trace.append(QStringLiteral("Ligne de PanSpeed = %1").arg(p));
    const std::optional<QString> panField = firstSpeedField(lines.at(p));
    const std::optional<int> panTime1 = panField ? parseInteger(*panField) : std::nullopt;
    if (!panTime1) return read;
    // The last line of the text closes the object: an entry cannot start there.
    const int end = std::min(objectSpan(lines, p).end, count - 1);
    const int k = findKeyPointLine(lines, p + 1, end);
    if (k < 0 || !keyPointEntry(lines, k).readable()) return read;
    read.keyPointLine = k;
    const std::optional<int> kpTime1 = entryTime(lines, k);
    if (!kpTime1) return read;
    const std::optional<int> offset = difference(*panTime1, *kpTime1);
    if (!offset) return read;
    read.firstKeypointTime = *kpTime1;
    read.slideOffset = *offset;
    read.firstTimeText = QString::number(*kpTime1);
    if (entryOrigin(lines, k) != 0 && !correctFirstTime(lines, p, k, end, read)) return read;

    read.trace << QStringLiteral("Le clipboard a %1 lignes").arg(count)
               << QStringLiteral("La vue commence à : %1").arg(read.slideOffset)
               // Both times as the host wrote them, like the texts they were read from.
               << QStringLiteral("1er KP situé à : %1 du début du diaporama").arg(*panField)
               << QStringLiteral("1er KP situé à : %1 du début de la vue").arg(lines.at(k + 1).mid(9)) << QString();
    read.angleText = afterEquals(lines.at(k + 4));
    read.defaults.angle = read.angleText;
    read.firstAngle = parseExtended(read.angleText).value_or(0);
    if (takeValues) takeDefaults(lines, k, read);
    read.status = ObjectRead::Status::Accepted;
    return read;
}

std::optional<TransferTarget> readTransferTarget(const QStringList& lines) {
    if (lines.isEmpty() || !lines.at(0).contains(QLatin1String("PicturesToExe-Objects"))) return std::nullopt;
    const int p = findPanSpeedLine(lines);
    if (p < 0) return std::nullopt;
    const int end = std::min(objectSpan(lines, p).end, static_cast<int>(lines.size()) - 1);
    const int k = findKeyPointLine(lines, p + 1, end);
    if (k < 0) return std::nullopt;
    TransferTarget target;
    target.firstKeypointTime = entryTime(lines, k).value_or(0);
    const QList<int> at = semicolons(lines.at(p));
    const std::optional<int> t1 =
        at.size() < 2 ? std::nullopt : parseInteger(lines.at(p).mid(at[0] + 1, at[1] - at[0] - 1));
    target.offset = (t1 ? difference(*t1, target.firstKeypointTime) : std::nullopt).value_or(0);
    return target;
}

QString speedValue(const std::vector<QString>& times) {
    const int n = static_cast<int>(times.size());
    QString s = QString::number(n) + QLatin1Char(';');
    for (const QString& t : times) s += t + QLatin1Char(';');
    s += QStringLiteral("1;0;%1;0;1;0;1;").arg(n - 1);
    return s;
}

std::vector<QString> runningTimes(const CurveDocument& doc, int count, qint64 offset) {
    std::vector<QString> times;
    count = std::clamp(count, 0, maxSamplePoints);
    times.reserve(static_cast<size_t>(count));
    qint64 sum = 0;
    for (int k = 0; k < count; ++k) {
        sum += doc.curve.samplePoints[static_cast<size_t>(k)].time;
        times.push_back(QString::number(offset + sum));
    }
    return times;
}

std::vector<QString> listedTimes(const QStringList& keyPoints, int count) {
    std::vector<QString> times;
    const int blocks = std::min(count, static_cast<int>(keyPoints.size() / 13));
    for (int k = 0; k < blocks; ++k) times.push_back(afterEquals(keyPoints.at(13 * k + 1)));
    return times;
}

QString positionLine(double x, double y) {
    return QStringLiteral("  Position=") + formatNumber(x) + QLatin1Char(',') + formatNumber(y);
}

QString timeLine(qint64 time) { return QStringLiteral("  Time=") + QString::number(time); }

QStringList keyPointBlock(int number, qint64 time, const QString& position, const KeyPointDefaults& v) {
    return {QStringLiteral("object KeyPoint%1:KeyPoint").arg(number),
            timeLine(time),
            QStringLiteral("  Origin=SlideBegin"),
            QStringLiteral("  Opacity=") + v.opacity,
            QStringLiteral("  Angle=") + v.angle,
            QStringLiteral("  ScaleX=") + v.scaleX,
            QStringLiteral("  ScaleY=") + v.scaleY,
            position,
            QStringLiteral("  CenterPos=") + v.centreX + QLatin1Char(',') + v.centreY,
            QStringLiteral("  AngleX=") + v.angleX,
            QStringLiteral("  AngleY=") + v.angleY,
            QStringLiteral("  ZPos=") + v.zPos,
            QStringLiteral("end")};
}

std::optional<QStringList> mergeKeyPointList(const QStringList& object, const QStringList& keyPoints,
                                             const QString& speed, QStringList* trace) {
    QStringList lines = object;
    int p = findPanSpeedLine(lines);
    if (p < 0) return std::nullopt;
    ObjectSpan span = objectSpan(lines, p);
    lines[p] = panSpeedKey + speed;
    // The host writes RotateSpeed and ZoomSpeed right after PanSpeed; they are
    // rewritten wherever they stand in the object, never assumed to be there.
    int previous = p;
    int lastSpeed = p;
    for (const QString& key : {rotateSpeedKey, zoomSpeedKey}) {
        int at = -1;
        for (int i = span.first; i < span.end && at < 0; ++i)
            if (lines.at(i).startsWith(key)) at = i;
        if (at >= 0) {
            lines[at] = key + speed;
        } else {
            at = previous + 1;
            lines.insert(at, key + speed);
            ++span.end;
            if (p >= at) ++p;
            if (lastSpeed >= at) ++lastSpeed;
        }
        previous = at;
        lastSpeed = std::max(lastSpeed, at);
    }
    if (trace)
        for (int i = static_cast<int>(lines.size()) - 2; i >= 0; --i) trace->append(lines.at(i).left(17));

    QStringList kept;
    kept.reserve(lines.size());
    int insertAt = -1;
    for (int i = 0; i < lines.size();) {
        if (i >= span.first && i < span.end && isKeyPointLine(lines.at(i))) {
            if (insertAt < 0) insertAt = static_cast<int>(kept.size());
            i += keyPointEntry(lines, i).length;
            continue;
        }
        kept.append(lines.at(i));
        ++i;
    }
    if (insertAt < 0) insertAt = lastSpeed + 1;

    QStringList result;
    result.reserve(kept.size() + keyPoints.size());
    for (int i = 0; i < insertAt; ++i) result.append(kept.at(i));
    for (const QString& line : keyPoints) result.append(QStringLiteral("  ") + line);
    for (int i = insertAt; i < kept.size(); ++i) result.append(kept.at(i));
    return result;
}

const QStringList& sampleObjectLines() {
    static const QStringList lines{
        "object petit Poucet:Box", "  GUID={91E92216-729C-405D-8F44-8E6178B21BB7}", "  FitMode=PlaceInto",
        "  PosMode=Percent", "  CenterMode=Percent", "  DeltaTime1=0", "  DeltaTime2=0", "  TranspForClick=0",
        "  PerspectiveCorrection=0", "  ShadowEnable=0", "  ShadowSize=16", "  ShadowColor=0,0,0",
        "  ShadowOpacity=59", "  ShadowDistance=1.5", "  ShadowAngle=45", "  ShadowSpreadIndex=0", "  3DShadow=0",
        "  HideMode=0", "  ChildInvis=0", "  Action=", "  PanSpeed=1;1000;0;0;1;", "  RotateSpeed=1;1000;0;0;1;",
        "  ZoomSpeed=1;1000;0;0;1;", "  TreeNode=1", "  Size=1280,720", "  FillMode=VGradient",
        "  Color1=0,128,192", "  Color2=255,255,255", "  Alpha1=255", "  Alpha2=255", "  object KeyPoint1:KeyPoint",
        "    Time=0", "    Origin=SlideBegin", "    Opacity=0", "    Angle=0", "    ScaleX=100", "    ScaleY=100",
        "    Position=0,0", "    CenterPos=0,0", "    AngleX=0", "    AngleY=0", "    ZPos=0", "  end",
        "  Antialiased=0", "end"};
    return lines;
}

} // namespace trajecta
