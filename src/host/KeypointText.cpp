#include "host/KeypointText.h"

#include "host/ObjectText.h"

#include <charconv>

namespace trajecta {

QString speedValue(const std::vector<QString>& times) {
    const int n = static_cast<int>(times.size());
    QString s = QString::number(n) + QLatin1Char(';');
    s.reserve(s.size() + 12 * n + 32);
    for (const QString& t : times) {
        s += t;
        s += QLatin1Char(';');
    }
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
    const int blocks = std::min(count, static_cast<int>(keyPoints.size() / keypointBlockLines));
    for (int k = 0; k < blocks; ++k)
        times.push_back(afterEquals(keyPoints.at(keypointLine(k, KeypointLine::Time))));
    return times;
}

QString positionLine(double x, double y) {
    return QStringLiteral("  Position=") + formatNumber(x) + QLatin1Char(',') + formatNumber(y);
}

QString keyPointHeader(int number) {
    char buffer[48] = "object KeyPoint";
    char* end = std::to_chars(buffer + 15, buffer + sizeof buffer, number).ptr;
    end = std::copy_n(":KeyPoint", 9, end);
    return QString::fromLatin1(buffer, end - buffer);
}

QString timeLine(qint64 time) {
    // Built in one allocation: every keypoint gets one on each change of times.
    char buffer[32] = "  Time=";
    char* end = std::to_chars(buffer + 7, buffer + sizeof buffer, time).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

Keypoint keypointWith(const KeyPointDefaults& v, qint64 time) {
    return {time, v.opacity, v.angle, v.scaleX, v.scaleY, v.centreX, v.centreY, v.angleX, v.angleY, v.zPos};
}

QString keypointLineText(const Keypoint& kp, int number, KeypointLine line) {
    switch (line) {
    case KeypointLine::Header:
        return keyPointHeader(number);
    case KeypointLine::Time:
        return timeLine(kp.time);
    case KeypointLine::Origin:
        return QStringLiteral("  Origin=SlideBegin");
    case KeypointLine::Opacity:
        return QStringLiteral("  Opacity=") + kp.opacity;
    case KeypointLine::Angle:
        return QStringLiteral("  Angle=") + kp.angle;
    case KeypointLine::ScaleX:
        return QStringLiteral("  ScaleX=") + kp.scaleX;
    case KeypointLine::ScaleY:
        return QStringLiteral("  ScaleY=") + kp.scaleY;
    case KeypointLine::Position:
        return {};
    case KeypointLine::CenterPos:
        return QStringLiteral("  CenterPos=") + kp.centreX + QLatin1Char(',') + kp.centreY;
    case KeypointLine::AngleX:
        return QStringLiteral("  AngleX=") + kp.angleX;
    case KeypointLine::AngleY:
        return QStringLiteral("  AngleY=") + kp.angleY;
    case KeypointLine::ZPos:
        return QStringLiteral("  ZPos=") + kp.zPos;
    case KeypointLine::End:
        break;
    }
    return QStringLiteral("end");
}

QStringList keyPointBlock(int number, const Keypoint& keypoint, const QString& position) {
    QStringList block;
    block.reserve(keypointBlockLines);
    for (int line = 0; line < keypointBlockLines; ++line) {
        const auto which = static_cast<KeypointLine>(line);
        block.append(which == KeypointLine::Position ? position : keypointLineText(keypoint, number, which));
    }
    return block;
}

QStringList keyPointBlock(int number, qint64 time, const QString& position, const KeyPointDefaults& v) {
    return keyPointBlock(number, keypointWith(v, time), position);
}

void rewriteKeypointValues(QStringList& list, const KeypointRecords& keypoints, int first, int last) {
    for (int k = first; k <= last; ++k) {
        for (int line = offsetOf(KeypointLine::Opacity); line <= offsetOf(KeypointLine::ZPos); ++line) {
            const auto which = static_cast<KeypointLine>(line);
            if (which != KeypointLine::Position)
                list[keypointLine(k, which)] = keypointLineText(keypoints.at(k), k + 1, which);
        }
    }
}

} // namespace trajecta
