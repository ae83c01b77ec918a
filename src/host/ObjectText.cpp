#include "host/ObjectText.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace trajecta {

namespace {

const QString panSpeedKey = QStringLiteral("  PanSpeed=");
const QString rotateSpeedKey = QStringLiteral("  RotateSpeed=");
const QString zoomSpeedKey = QStringLiteral("  ZoomSpeed=");
const QString keyPointKey = QStringLiteral("  object KeyPoint");

// A line's indentation, read in one pass: its width, a tab reaching the next
// multiple of eight, and the text after its leading blanks.
struct Indentation {
    int width = 0;
    QStringView text;
};

Indentation indentation(const QString& line) {
    Indentation in;
    qsizetype i = 0;
    for (; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(' '))
            ++in.width;
        else if (c == QLatin1Char('\t'))
            in.width = (in.width / 8 + 1) * 8;
        else
            break;
    }
    in.text = QStringView(line).sliced(i);
    return in;
}

// Whether a line, seen without its indentation, opens an object.
bool startsObject(QStringView text) {
    return !text.isEmpty() && text.front() == QLatin1Char('o') && text.startsWith(u"object ");
}
// The header of an object nested in another: the objects of the text stand at column 0.
bool startsNestedObject(const Indentation& line) {
    return line.width > 0 && startsObject(line.text);
}
bool isEndLine(QStringView text) {
    // Most lines end in neither "d" nor a blank: they are told apart at once.
    if (text.isEmpty() || (text.back() != QLatin1Char('d') && !text.back().isSpace())) return false;
    return text.trimmed() == u"end";
}

// A fixed-point number without the zeros that end its fraction, and without
// its decimal mark when nothing is left after it; a value that comes out as
// zero carries no sign.
QString withoutTrailingZeros(QByteArrayView digits) {
    if (digits.contains('.')) {
        while (digits.endsWith('0'))
            digits.chop(1);
        if (digits.endsWith('.')) digits.chop(1);
    }
    if (digits == "-0") return QStringLiteral("0");
    return QString::fromLatin1(digits);
}

// The line two spaces deeper, built in one allocation.
QString indented(const QString& line) {
    QString text(line.size() + 2, Qt::Uninitialized);
    QChar* out = text.data();
    *out++ = QLatin1Char(' ');
    *out++ = QLatin1Char(' ');
    std::copy(line.cbegin(), line.cend(), out);
    return text;
}

// Whether `line` is `plain` two spaces deeper.
bool isIndented(const QString& line, const QString& plain) {
    return line.size() == plain.size() + 2 && line.at(0) == QLatin1Char(' ') &&
           line.at(1) == QLatin1Char(' ') && QStringView(line).sliced(2) == QStringView(plain);
}

// The first 17 characters of every line from the last but one up to the
// first. The KeyPoint entries repeat every 13 lines: a prefix equal to the
// one 13 lines further shares its text rather than taking a copy of its own.
void appendTrace(QStringList& trace, const std::vector<QString*>& lines) {
    constexpr int width = 17;
    const qsizetype first = trace.size();
    const int last = static_cast<int>(lines.size()) - 2;
    trace.reserve(first + static_cast<qsizetype>(lines.size()));
    for (int i = last; i >= 0; --i) {
        const QString& line = *lines[static_cast<size_t>(i)];
        const qsizetype back = first + (last - i) - keypointBlockLines;
        if (line.size() <= width) {
            trace.append(line);
            continue;
        }
        if (back >= first) {
            const QString& earlier = trace.at(back);
            if (earlier.size() == width && QStringView(line).first(width) == QStringView(earlier)) {
                trace.append(QString(earlier)); // a copy first: the append may move the list
                continue;
            }
        }
        trace.append(line.left(width));
    }
}

// Out-of-range lines read as empty: a text cut short is an input like any other.
QString lineAt(const QStringList& lines, int index) {
    return index >= 0 && index < lines.size() ? lines.at(index) : QString();
}

// The Time value of the entry at `start`: its next line without "    Time=".
std::optional<int> entryTime(const QStringList& lines, int start) {
    return parseInteger(lineAt(lines, start + offsetOf(KeypointLine::Time)).mid(9));
}

// 0 SlideBegin, 1 PrevEffectEnd, 2 NextEffectBegin, 3 SlideEnd; -1 any other text.
int entryOrigin(const QStringList& lines, int start) {
    static const QStringList origins{
        QStringLiteral("Origin=SlideBegin"), QStringLiteral("Origin=PrevEffectEnd"),
        QStringLiteral("Origin=NextEffectBegin"), QStringLiteral("Origin=SlideEnd")};
    return static_cast<int>(origins.indexOf(lineAt(lines, start + offsetOf(KeypointLine::Origin)).trimmed()));
}

// The object's own lines, those not inside an object nested in it: its first
// RotateSpeed and ZoomSpeed lines at any indentation, and its KeyPoint entries
// (first line, length) in order.
struct OwnLines {
    int rotate = -1;
    int zoom = -1;
    std::vector<std::pair<int, int>> entries;
};

OwnLines scanOwnLines(const QStringList& lines, const ObjectSpan& span) {
    OwnLines own;
    for (int i = span.first; i < span.end;) {
        const Indentation line = indentation(lines.at(i));
        const QStringView text = line.text;
        if (startsNestedObject(line)) {
            const int length = keyPointEntry(lines, i).length;
            if (text.startsWith(u"object KeyPoint")) own.entries.emplace_back(i, length);
            i += length;
            continue;
        }
        if (own.rotate < 0 && text.startsWith(u"RotateSpeed=")) own.rotate = i;
        if (own.zoom < 0 && text.startsWith(u"ZoomSpeed=")) own.zoom = i;
        ++i;
    }
    return own;
}

// The indices of the lines of the entries, in order.
std::vector<int> entryLines(const std::vector<std::pair<int, int>>& entries) {
    std::vector<int> at;
    for (const auto& [first, length] : entries)
        for (int i = first; i < first + length; ++i)
            at.push_back(i);
    return at;
}

// Puts the three speed lines, `texts`, in place in the lines of an object and
// returns the last of their places. The host writes RotateSpeed and ZoomSpeed
// right after PanSpeed; they are rewritten wherever they stand in the object,
// never assumed to be there; a missing one is inserted after the one before
// it, the entries after it moving down.
int placeSpeedLines(std::vector<QString*>& lines, OwnLines& own, int pan, std::array<QString, 3>& texts) {
    std::array<int, 3> at{pan, own.rotate, own.zoom};
    for (size_t s = 0; s < at.size(); ++s) {
        if (at[s] >= 0) {
            lines[static_cast<size_t>(at[s])] = &texts[s];
            continue;
        }
        const int insert = at[s - 1] + 1;
        lines.insert(lines.begin() + insert, &texts[s]);
        for (int& other : at)
            if (other >= insert) ++other;
        for (auto& entry : own.entries)
            if (entry.first >= insert) ++entry.first;
        at[s] = insert;
    }
    return *std::max_element(at.begin(), at.end());
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
    const auto value = [&](KeypointLine line) { return afterEquals(lines.at(k + offsetOf(line))); };
    KeyPointDefaults& d = read.defaults;
    d.opacity = value(KeypointLine::Opacity);
    d.scaleX = value(KeypointLine::ScaleX);
    d.scaleY = value(KeypointLine::ScaleY);
    d.angleX = value(KeypointLine::AngleX);
    d.angleY = value(KeypointLine::AngleY);
    d.zPos = value(KeypointLine::ZPos);
    const QString centre = value(KeypointLine::CenterPos);
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
    const int k2 = findKeyPointLine(lines, k + offsetOf(KeypointLine::Origin) + 1, end);
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

QString afterEquals(const QString& line) {
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

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
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    // Written straight into one buffer: a full object runs to some 12 500 lines.
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (const QString& line : lines) {
        out = std::copy(line.cbegin(), line.cend(), out);
        *out++ = QLatin1Char('\r');
        *out++ = QLatin1Char('\n');
    }
    return text;
}

QString formatNumber(double x) {
    // Six decimals rounded half away from zero on the exact binary value. A
    // multiple of 1/128 (every integer, most typed angles) may lie exactly on a
    // tie: x * 10^6 = m * 15625 / 2 with m = x * 128, rounded in integers. Any
    // other value has no tie at the seventh decimal (that needs x * 10^7, and
    // so x * 2^7, to be an integer), so the correctly rounded six decimals of
    // to_chars are the ones wanted. Huge values take the general, slower way.
    if (!(std::fabs(x) < 1e12)) return withoutTrailingZeros(formatFixed(x, 6, QLatin1Char('.')).toLatin1());
    char buffer[32];
    char* end = buffer;
    const double scaled = std::ldexp(x, 7);
    if (scaled == std::trunc(scaled)) {
        const qint64 twice = static_cast<qint64>(scaled) * 15625;
        const qint64 micro = (std::abs(twice) + 1) / 2;
        if (twice < 0 && micro != 0) *end++ = '-';
        end = std::to_chars(end, buffer + sizeof buffer, micro / 1000000).ptr;
        *end++ = '.';
        for (qint64 digits = micro % 1000000, unit = 100000; unit > 0; unit /= 10)
            *end++ = static_cast<char>('0' + digits / unit % 10);
    } else {
        end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 6).ptr;
    }
    return withoutTrailingZeros(QByteArrayView(buffer, end - buffer));
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

bool isPanSpeedLine(const QString& line) {
    return line.startsWith(panSpeedKey);
}
bool isKeyPointLine(const QString& line) {
    return line.startsWith(keyPointKey);
}

EntryExtent keyPointEntry(const QStringList& lines, int start) {
    const int n = static_cast<int>(lines.size());
    const int level = indentation(lines.at(start)).width;
    int depth = 0;
    for (int i = start + 1; i < n; ++i) {
        const Indentation line = indentation(lines.at(i));
        // A line at column 0 belongs to the enclosing object or to none, and
        // an object at the header's level is a sibling: the entry is open.
        const bool object = startsObject(line.text);
        if (line.width == 0 || (object && line.width <= level)) break;
        if (object) {
            ++depth;
        } else if (isEndLine(line.text)) {
            if (depth == 0) return {i + 1 - start, true};
            --depth;
        }
    }
    int i = start + 1;
    while (i < n && indentation(lines.at(i)).width > level)
        ++i;
    return {i - start, false};
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
        const QString& line = lines.at(i);
        if (line.startsWith(QLatin1Char('e')) && line.startsWith(QLatin1String("end")) &&
            line.trimmed() == QLatin1String("end")) {
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
               << QStringLiteral("1er KP situé à : %1 du début de la vue")
                      .arg(lines.at(k + offsetOf(KeypointLine::Time)).mid(9))
               << QString();
    read.angleText = afterEquals(lines.at(k + offsetOf(KeypointLine::Angle)));
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

bool mergeKeyPointListInto(QStringList& object, const QStringList& keyPoints, const QString& speed,
                           QStringList* trace) {
    const int pan = findPanSpeedLine(object);
    if (pan < 0) return false;
    OwnLines own = scanOwnLines(object, objectSpan(object, pan));
    // The object's lines are only pointed at, the few that change pointing to
    // new texts, and each is moved once into the merged text, never copied.
    QString* const objectLines = object.data();
    std::vector<QString*> lines(static_cast<size_t>(object.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i] = objectLines + i;
    std::array<QString, 3> speedLines{panSpeedKey + speed, rotateSpeedKey + speed, zoomSpeedKey + speed};
    const int lastSpeedLine = placeSpeedLines(lines, own, pan, speedLines);
    if (trace) appendTrace(*trace, lines);

    // The keypoints go where the first entry stood, or after the speed lines.
    const int n = static_cast<int>(lines.size());
    const int insertAt = own.entries.empty() ? lastSpeedLine + 1 : own.entries[0].first;
    const std::vector<int> old = entryLines(own.entries);
    QStringList result;
    result.reserve(n + keyPoints.size());
    size_t next = 0;
    for (int i = 0; i <= n;) {
        if (i == insertAt) {
            for (qsizetype k = 0; k < keyPoints.size(); ++k) {
                QString* same = size_t(k) < old.size() ? lines[size_t(old[size_t(k)])] : nullptr;
                if (same && isIndented(*same, keyPoints.at(k)))
                    result.append(std::move(*same));
                else
                    result.append(indented(keyPoints.at(k)));
            }
        }
        if (i == n) break;
        if (next < own.entries.size() && i == own.entries[next].first) {
            i += own.entries[next++].second;
            continue;
        }
        result.append(std::move(*lines[size_t(i++)]));
    }
    object = std::move(result);
    return true;
}

std::optional<QStringList> mergeKeyPointList(const QStringList& object, const QStringList& keyPoints,
                                             const QString& speed, QStringList* trace) {
    QStringList merged = object;
    if (!mergeKeyPointListInto(merged, keyPoints, speed, trace)) return std::nullopt;
    return merged;
}

const QStringList& sampleObjectLines() {
    static const QStringList lines{"object petit Poucet:Box",
                                   "  GUID={91E92216-729C-405D-8F44-8E6178B21BB7}",
                                   "  FitMode=PlaceInto",
                                   "  PosMode=Percent",
                                   "  CenterMode=Percent",
                                   "  DeltaTime1=0",
                                   "  DeltaTime2=0",
                                   "  TranspForClick=0",
                                   "  PerspectiveCorrection=0",
                                   "  ShadowEnable=0",
                                   "  ShadowSize=16",
                                   "  ShadowColor=0,0,0",
                                   "  ShadowOpacity=59",
                                   "  ShadowDistance=1.5",
                                   "  ShadowAngle=45",
                                   "  ShadowSpreadIndex=0",
                                   "  3DShadow=0",
                                   "  HideMode=0",
                                   "  ChildInvis=0",
                                   "  Action=",
                                   "  PanSpeed=1;1000;0;0;1;",
                                   "  RotateSpeed=1;1000;0;0;1;",
                                   "  ZoomSpeed=1;1000;0;0;1;",
                                   "  TreeNode=1",
                                   "  Size=1280,720",
                                   "  FillMode=VGradient",
                                   "  Color1=0,128,192",
                                   "  Color2=255,255,255",
                                   "  Alpha1=255",
                                   "  Alpha2=255",
                                   "  object KeyPoint1:KeyPoint",
                                   "    Time=0",
                                   "    Origin=SlideBegin",
                                   "    Opacity=0",
                                   "    Angle=0",
                                   "    ScaleX=100",
                                   "    ScaleY=100",
                                   "    Position=0,0",
                                   "    CenterPos=0,0",
                                   "    AngleX=0",
                                   "    AngleY=0",
                                   "    ZPos=0",
                                   "  end",
                                   "  Antialiased=0",
                                   "end"};
    return lines;
}

} // namespace trajecta
