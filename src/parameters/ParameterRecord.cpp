#include "parameters/ParameterRecord.h"

#include "document/ControlIds.h"
#include "host/ObjectText.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstdlib>

namespace trajecta {

namespace {

constexpr std::array<ParameterInfo, parameterCount> infos{{
    {"1-Opacité : (", ids::ChbxOpacite, ids::EdtOpaDeb, ids::EdtOpaFin, "100", 3, "  Opacity="},
    {"2-ZoomX : (", ids::ChBxZoomX, ids::EdtZoomXdeb, ids::EdtZoomXfin, "100", 5, "  ScaleX="},
    {"3-ZoomY : (", ids::ChBxZoomY, ids::EdtZoomYdeb, ids::EdtZoomYfin, "100", 6, "  ScaleY="},
    {"4-rotation : (", ids::ChBxRotation, ids::EdtRotDeb, ids::EdtRotFin, "0", 4, "  Angle="},
    {"5-centreX : (", ids::ChBxCentreX, ids::EdtCentreXDeb, ids::EdtCentreXFin, "0", 8, "  CenterPos="},
    {"6-centreY : (", ids::ChBxCentreY, ids::EdtCentreYDeb, ids::EdtCentreYFin, "0", 8, "  CenterPos="},
    {"7-3DX : (", ids::ChBx3DX, ids::Edt3DXdeb, ids::Edt3DXfin, "0", 9, "  AngleX="},
    {"8-3DY : (", ids::ChBx3DY, ids::Edt3DYdeb, ids::Edt3DYfin, "0", 10, "  AngleY="},
    {"9-3DZ : (", ids::ChBx3DZ, ids::Edt3DZdeb, ids::Edt3DZfin, "0", 11, "  ZPos="},
}};

QString commaForm(const QString& text) {
    return toLocalDecimal(text, QLatin1Char(','));
}

QString logLine(Parameter p, const QString& start, const QString& end) {
    return QString::fromUtf8(parameterInfo(p).logName) + start + QLatin1Char('/') + end + QLatin1Char(')');
}

QString truth(bool on) {
    return on ? QStringLiteral("vrai") : QStringLiteral("faux");
}

// The start value at s, the end value at e, then the values between, each
// one step of d further than the one before.
template <typename Write> void spread(Extended a, Extended b, int s, int e, Write write) {
    write(s, a);
    write(e, b);
    const int n = e - s;
    if (n < 2) return;
    const Extended d = (b - a) / n;
    Extended v = a;
    for (int i = s + 1; i < e; ++i) {
        v = v + d;
        write(i, v);
    }
}

QString number(Extended v) {
    return formatNumber(static_cast<double>(v));
}

} // namespace

const ParameterInfo& parameterInfo(Parameter p) {
    return infos[static_cast<size_t>(p)];
}

namespace {

// The rotation of a record from the panel, and its log line.
QString rotationRecord(const PanelReading& panel, TParametres& r) {
    const auto& texts = panel.texts[static_cast<size_t>(Parameter::Rotation)];
    r.rotationStart = commaForm(texts[0]);
    r.rotationEnd = commaForm(texts[1]);
    r.addTangent = panel.addTangent;
    r.zeroIsTangent = !panel.addTangent || panel.zeroItem == 0;
    QString suffix;
    if (panel.addTangent)
        suffix = r.zeroIsTangent ? QStringLiteral("0=Tangente") : QStringLiteral("0=DécalageOrigine");
    return logLine(Parameter::Rotation, r.rotationStart, r.rotationEnd) + QStringLiteral("  avec angle : ") +
           (panel.addTangent ? QStringLiteral("Oui") : QStringLiteral("Non")) + QStringLiteral("  ") + suffix;
}

} // namespace

std::optional<QStringList> buildParameterRecord(const PanelReading& panel, int s, int e, TParametres& r) {
    const auto on = [&panel](Parameter p) { return panel.ticked[static_cast<size_t>(p)]; };
    const auto text = [&panel](Parameter p, int column) {
        return panel.texts[static_cast<size_t>(p)][static_cast<size_t>(column)];
    };
    const bool any = on(Parameter::Opacity) || on(Parameter::ZoomX) || on(Parameter::ZoomY) ||
                     on(Parameter::Rotation) || on(Parameter::CentreX) || on(Parameter::CentreY) ||
                     panel.threeD;
    if (!any) return std::nullopt;

    QStringList log;
    r.startIndex = s;
    r.endIndex = e;
    log << QStringLiteral("Début-Fin : (%1/%2)").arg(s).arg(e);

    r.opacityOn = on(Parameter::Opacity);
    if (r.opacityOn) {
        r.opacityStart = text(Parameter::Opacity, 0);
        r.opacityEnd = text(Parameter::Opacity, 1);
        log << logLine(Parameter::Opacity, r.opacityStart, r.opacityEnd);
    }
    // A real-valued pair: its record strings in comma form and its log line.
    const auto pair = [&](Parameter p, bool& flag, QString& start, QString& end) {
        flag = on(p);
        if (!flag) return;
        start = commaForm(text(p, 0));
        end = commaForm(text(p, 1));
        log << logLine(p, start, end);
    };
    pair(Parameter::ZoomX, r.zoomXOn, r.zoomXStart, r.zoomXEnd);
    if (r.zoomXOn) log << QStringLiteral("ZoomEgal : ") + truth(panel.zoomTied);
    pair(Parameter::ZoomY, r.zoomYOn, r.zoomYStart, r.zoomYEnd);
    r.zoomTied = panel.zoomTied;

    r.rotationOn = on(Parameter::Rotation);
    if (r.rotationOn) log << rotationRecord(panel, r);

    pair(Parameter::CentreX, r.centreXOn, r.centreXStart, r.centreXEnd);
    if (r.centreXOn) log << QStringLiteral("CentreEgal : ") + truth(panel.centreTied);
    pair(Parameter::CentreY, r.centreYOn, r.centreYStart, r.centreYEnd);
    r.centreTied = panel.centreTied;

    r.threeDOn = panel.threeD;
    if (panel.threeD) {
        pair(Parameter::ThreeDX, r.threeDXOn, r.threeDXStart, r.threeDXEnd);
        pair(Parameter::ThreeDY, r.threeDYOn, r.threeDYStart, r.threeDYEnd);
        pair(Parameter::ThreeDZ, r.threeDZOn, r.threeDZStart, r.threeDZEnd);
    }
    if (!(r.threeDXOn || r.threeDYOn || r.threeDZOn)) r.threeDOn = false;
    log << QString::fromLatin1(parameterLogSeparator);
    return log;
}

bool applyParameterRecord(KeypointRecords& keypoints, const TParametres& r, const AngleState& angles,
                          QStringList& trace, QChar separator) {
    const int s = r.startIndex;
    const int e = r.endIndex;
    if (s < 0 || e <= s || e >= static_cast<int>(angles.tangentAngles.size()) || e >= keypoints.size())
        return false;

    // Every value the record uses must read as a number before any value changes.
    struct Pair {
        bool used;
        const QString* start;
        const QString* end;
    };
    const std::array<Pair, 8> reals{{{r.zoomXOn, &r.zoomXStart, &r.zoomXEnd},
                                     {r.zoomYOn && !r.zoomTied, &r.zoomYStart, &r.zoomYEnd},
                                     {r.rotationOn, &r.rotationStart, &r.rotationEnd},
                                     {r.centreXOn, &r.centreXStart, &r.centreXEnd},
                                     {r.centreYOn && !r.centreTied, &r.centreYStart, &r.centreYEnd},
                                     {r.threeDOn && r.threeDXOn, &r.threeDXStart, &r.threeDXEnd},
                                     {r.threeDOn && r.threeDYOn, &r.threeDYStart, &r.threeDYEnd},
                                     {r.threeDOn && r.threeDZOn, &r.threeDZStart, &r.threeDZEnd}}};
    for (const Pair& p : reals)
        if (p.used && (!parseNumber(*p.start) || !parseNumber(*p.end))) return false;
    if (r.opacityOn && (!parseInteger(r.opacityStart) || !parseInteger(r.opacityEnd))) return false;

    const auto at = [&keypoints](int k) -> Keypoint& { return keypoints[k]; };
    const auto value = [](const QString& text) { return static_cast<Extended>(*parseNumber(text)); };
    // The values of one field spread over the range.
    const auto spreadInto = [&](const QString& start, const QString& end, QString Keypoint::*field) {
        spread(value(start), value(end), s, e, [&](int i, Extended v) { at(i).*field = number(v); });
    };

    if (r.opacityOn) {
        at(s).opacity = r.opacityStart;
        at(e).opacity = r.opacityEnd;
        const int a = *parseInteger(r.opacityStart);
        const int b = *parseInteger(r.opacityEnd);
        spread(a, b, s, e, [&](int i, Extended v) {
            if (i != s && i != e) at(i).opacity = QString::number(roundEven(v));
        });
    }
    if (r.rotationOn) {
        const Extended a = value(r.rotationStart);
        const Extended b = value(r.rotationEnd);
        if (!r.addTangent) {
            spreadInto(r.rotationStart, r.rotationEnd, &Keypoint::angle);
        } else {
            const auto tangent = [&angles](int i) {
                return Extended(angles.tangentAngles[static_cast<size_t>(i)]);
            };
            const Extended shift = angles.rotationShift;
            trace << QStringLiteral("1ère ligne: decal/Tb0/DecalDep") +
                         formatFixed(static_cast<double>(angles.initialAngleOffset), 2, separator) +
                         QLatin1Char('/') + formatFixed(static_cast<double>(a), 2, separator);
            at(s).angle = number(a + tangent(s) + shift);
            at(e).angle = number(b + tangent(e) + shift);
            // The running value carries the shift; each keypoint adds its own tangent.
            const Extended d = (b - a) / (e - s);
            Extended u = a + shift;
            for (int i = s + 1; i < e; ++i) {
                u = u + d;
                at(i).angle = number(u + tangent(i));
            }
        }
    }
    if (r.zoomXOn) {
        spreadInto(r.zoomXStart, r.zoomXEnd, &Keypoint::scaleX);
        if (r.zoomTied) spreadInto(r.zoomXStart, r.zoomXEnd, &Keypoint::scaleY);
    }
    if (r.zoomYOn && !r.zoomTied) spreadInto(r.zoomYStart, r.zoomYEnd, &Keypoint::scaleY);
    if (r.centreXOn) {
        spreadInto(r.centreXStart, r.centreXEnd, &Keypoint::centreX);
        if (r.centreTied) spreadInto(r.centreXStart, r.centreXEnd, &Keypoint::centreY);
    }
    if (r.centreYOn && !r.centreTied) spreadInto(r.centreYStart, r.centreYEnd, &Keypoint::centreY);
    if (r.threeDOn) {
        if (r.threeDXOn) spreadInto(r.threeDXStart, r.threeDXEnd, &Keypoint::angleX);
        if (r.threeDYOn) spreadInto(r.threeDYStart, r.threeDYEnd, &Keypoint::angleY);
        if (r.threeDZOn) spreadInto(r.threeDZStart, r.threeDZEnd, &Keypoint::zPos);
    }
    return true;
}

ParameterLog readParameterLog(const QStringList& lines, int keypointCount) {
    ParameterLog log;
    const QString header = QString::fromUtf8(parameterLogHeader);
    const QString separator = QString::fromLatin1(parameterLogSeparator);
    const qsizetype size = lines.size();
    qsizetype i = lines.indexOf(header, 1);
    if (i < 0) return log;
    ++i;
    while (i < size) {
        const QString& opening = lines.at(i++);
        if (!opening.startsWith(QLatin1Char('D'))) continue;
        const std::optional<int> start = integerBetween(opening, QLatin1Char('('), QLatin1Char('/'));
        const std::optional<int> end = integerBetween(opening, QLatin1Char('/'), QLatin1Char(')'));
        if (!start || !end || *start < 0 || *end <= *start || *end >= keypointCount) {
            log.readable = false;
            log.failedLine = i - 1;
            return log;
        }
        LoggedRecord record{*start, *end, {}, i - 1};
        while (i < size && lines.at(i) != separator) {
            LoggedLine entry;
            entry.line = i;
            entry.text = lines.at(i++);
            const QChar first = entry.text.isEmpty() ? QChar() : entry.text.at(0);
            entry.number = first.isDigit() ? first.digitValue() : 0;
            // The "Egaux" line after a zoom X or centre X line, and the Y line
            // it made equal, are passed over; a "---" is never passed over.
            if ((entry.number == 2 || entry.number == 5) && i < size && lines.at(i) != separator) {
                const QString& equal = lines.at(i++);
                const int letter = entry.number == 2 ? 11 : 13;
                entry.tied = equal.size() > letter && equal.at(letter) == QLatin1Char('v');
                if (entry.tied && i < size && lines.at(i) != separator) ++i;
            }
            record.lines.push_back(entry);
        }
        if (i < size) ++i; // its "---"
        log.records.push_back(std::move(record));
    }
    return log;
}

std::optional<LoggedValues> readLoggedValues(const LoggedLine& line, QChar separator) {
    const QString& t = line.text;
    if (line.number < 1 || line.number > parameterCount) return std::nullopt;
    const QString a = textBetween(t, QLatin1Char('('), QLatin1Char('/'));
    const QString b = textBetween(t, QLatin1Char('/'), QLatin1Char(')'));
    if (line.number == 1) {
        const std::optional<int> x = parseInteger(a), y = parseInteger(b);
        if (!x || !y) return std::nullopt;
        return LoggedValues{QString::number(*x), QString::number(*y)};
    }
    const std::optional<double> x = parseNumber(a), y = parseNumber(b);
    if (!x || !y) return std::nullopt;
    return LoggedValues{generalNumber(*x, separator), generalNumber(*y, separator)};
}

bool rotationAddsTangent(const QString& line) {
    return line.contains(QStringLiteral("Oui"));
}
int rotationZeroItem(const QString& line) {
    return rotationAddsTangent(line) && line.contains(QStringLiteral("0=D")) ? 1 : 0;
}

QString generalNumber(double value, QChar separator) {
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), separator);
    return text;
}

void unwrapTangentAngles(double* angles, int count) {
    int turns = 0;
    for (int i = 1; i < count; ++i) {
        const Extended a = angles[i] + 360.0L * turns;
        const Extended p = angles[i - 1];
        const int same = std::abs(roundEven(a - p));
        const int less = std::abs(roundEven(a - 360 - p));
        const int more = std::abs(roundEven(a + 360 - p));
        const int least = std::min({same, less, more});
        Extended result = a;
        if (less == least) {
            result = a - 360;
            --turns;
        } else if (more == least) {
            result = a + 360;
            ++turns;
        }
        angles[i] = static_cast<double>(result);
    }
}

void updateAngleOffsets(AngleState& angles, long double firstAngle, int zeroItem) {
    angles.initialAngleOffset = firstAngle - angles.tangentAngles[0];
    angles.rotationShift = zeroItem == 1 ? angles.initialAngleOffset : 0.0L;
}

long double relativeRotation(const AngleState& angles, int k, long double stored) {
    return stored - angles.tangentAngles[static_cast<size_t>(k)] - angles.rotationShift;
}

bool opacityKeyAccepted(QChar c) {
    return c.isDigit() || c == QLatin1Char('\b');
}

bool opacityTextKept(const QString& text) {
    if (text.size() <= 2) return true;
    const std::optional<int> v = parseInteger(text);
    return v && *v >= 0 && *v <= 100;
}

std::optional<QChar> realKeyAccepted(QChar c, const QString& text, int caret, bool minusAllowed,
                                     QChar separator) {
    if (c == QLatin1Char('\b') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) return c;
    if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == separator) {
        const bool afterMinus = caret == 1 && text.startsWith(QLatin1Char('-'));
        if (text.contains(separator) || caret <= 0 || afterMinus) return std::nullopt;
        return separator;
    }
    if (c == QLatin1Char('-')) {
        if (!minusAllowed || text.contains(QLatin1Char('-')) || caret != 0) return std::nullopt;
        return c;
    }
    return std::nullopt;
}

std::optional<QString> pastedRealText(const QString& text, QChar separator) {
    QString result = text;
    const qsizetype point = result.indexOf(QLatin1Char('.'));
    if (point >= 0) result[point] = separator;
    const qsizetype comma = result.indexOf(QLatin1Char(','));
    if (comma >= 0) result[comma] = separator;
    QString plain = result;
    plain.replace(separator, QLatin1Char('.'));
    if (!parseNumber(plain)) return std::nullopt;
    return result;
}

bool panelTextReadable(Parameter p, const QString& text) {
    if (p == Parameter::Opacity) return parseInteger(text).has_value();
    return parseNumber(text).has_value();
}

} // namespace trajecta
