#include "svg/PathData.h"

#include "svg/TextCursor.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace trajecta::svg {

namespace {

class PathReader {
  public:
    PathReader(QStringView data, PathSink& sink) : cursor_(data), sink_(sink) {}

    qsizetype read() {
        cursor_.skipSpaces();
        if (cursor_.atEnd()) return -1;
        const QChar first = cursor_.peek();
        if (first != QLatin1Char('M') && first != QLatin1Char('m')) return cursor_.position();
        while (!cursor_.atEnd()) {
            const QChar command = cursor_.peek();
            const char upper = command.toUpper().toLatin1();
            if (upper == 0 || std::string_view("MLHVCSQTAZ").find(upper) == std::string_view::npos)
                return cursor_.position();
            cursor_.advance();
            cursor_.skipSpaces();
            if (!readCommand(upper, command.isLower())) return cursor_.position();
        }
        return -1;
    }

  private:
    // The argument groups of one command: one at least, then as many as follow.
    bool readCommand(char command, bool relative) {
        if (command == 'Z') {
            closePath();
            return true;
        }
        bool first = true;
        do {
            if (!readGroup(command, relative, first)) return false;
            first = false;
            cursor_.skipSpaces();
            if (cursor_.take(QLatin1Char(','))) {
                cursor_.skipSpaces();
                if (!cursor_.atNumber()) return false;
            }
        } while (cursor_.atNumber());
        return true;
    }

    bool readGroup(char command, bool relative, bool first) {
        const QPointF base = relative ? current_ : QPointF();
        double v[7] = {};
        const int counts[] = {2, 2, 1, 1, 6, 4, 4, 2, 7};
        const char names[] = "MLHVCSQTA";
        int count = 0;
        for (int k = 0; names[k]; ++k)
            if (names[k] == command) count = counts[k];
        if (count == 0) return false;
        for (int i = 0; i < count; ++i) {
            if (i > 0) cursor_.skipSeparator();
            const bool ok = command == 'A' && (i == 3 || i == 4) ? readFlag(v[i]) : cursor_.number(v[i]);
            if (!ok) return false;
        }
        const auto point = [&](int i) { return base + QPointF(v[i], v[i + 1]); };
        switch (command) {
        case 'M':
            // The pairs after the first draw lines.
            if (first)
                moveTo(point(0));
            else
                line(point(0));
            break;
        case 'L':
            line(point(0));
            break;
        case 'H':
            line(QPointF(v[0] + base.x(), current_.y()));
            break;
        case 'V':
            line(QPointF(current_.x(), v[0] + base.y()));
            break;
        case 'C':
            cubic(point(0), point(2), point(4));
            break;
        case 'S':
            cubic(lastCubic_ ? 2 * current_ - *lastCubic_ : current_, point(0), point(2));
            break;
        case 'Q':
            quadratic(point(0), point(2));
            break;
        case 'T':
            quadratic(lastQuadratic_ ? 2 * current_ - *lastQuadratic_ : current_, point(0));
            break;
        case 'A':
            arc(v, point(5));
            break;
        default:
            return false;
        }
        return true;
    }

    bool readFlag(double& value) {
        bool flag = false;
        if (!cursor_.flag(flag)) return false;
        value = flag ? 1 : 0;
        return true;
    }

    void moveTo(QPointF point) {
        current_ = start_ = point;
        open_ = true;
        lastCubic_.reset();
        lastQuadratic_.reset();
        sink_.moveTo(point);
    }

    // A segment after a Z starts a new subpath where the last one started.
    void hand(const Segment& segment) {
        if (!open_) {
            open_ = true;
            sink_.moveTo(start_);
        }
        sink_.segment(segment);
        current_ = segment.to;
    }

    void line(QPointF to) {
        Segment s;
        s.from = current_;
        s.to = to;
        lastCubic_.reset();
        lastQuadratic_.reset();
        hand(s);
    }

    void cubic(QPointF c1, QPointF c2, QPointF to) {
        Segment s{SegmentKind::Cubic, current_, c1, c2, to};
        lastQuadratic_.reset();
        lastCubic_ = c2;
        hand(s);
    }

    void quadratic(QPointF control, QPointF to) {
        Segment s{SegmentKind::Quadratic, current_, control, QPointF(), to};
        lastCubic_.reset();
        lastQuadratic_ = control;
        hand(s);
    }

    void arc(const double* v, QPointF to) {
        lastCubic_.reset();
        lastQuadratic_.reset();
        if (to == current_) return;
        if (v[0] == 0 || v[1] == 0) {
            line(to);
            return;
        }
        Segment s{SegmentKind::Arc, current_, QPointF(), QPointF(), to};
        s.rx = std::abs(v[0]);
        s.ry = std::abs(v[1]);
        s.rotation = v[2];
        s.largeArc = v[3] != 0;
        s.sweep = v[4] != 0;
        hand(s);
    }

    void closePath() {
        lastCubic_.reset();
        lastQuadratic_.reset();
        if (!open_) return;
        if (current_ != start_) {
            Segment s;
            s.from = current_;
            s.to = start_;
            s.closing = true;
            hand(s);
        }
        current_ = start_;
        open_ = false;
        sink_.closePath();
    }

    TextCursor cursor_;
    PathSink& sink_;
    QPointF current_, start_;
    bool open_ = false;
    std::optional<QPointF> lastCubic_, lastQuadratic_;
};

} // namespace

qsizetype readPathData(QStringView data, PathSink& sink) {
    return PathReader(data, sink).read();
}

} // namespace trajecta::svg
