#pragma once

#include "document/CurveDocument.h"
#include "document/KeypointBlock.h"
#include "host/KeypointText.h"
#include "platform/Numbers.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace trajecta {

// The host application's object text, as plain lines. An object opens with
// "object NAME:TYPE" and closes with "end"; its properties are indented by two
// spaces, and each KeyPoint entry is a nested object of 13 lines:
// "  object KeyPointN:KeyPoint", eleven properties indented by four spaces,
// "  end". Lines are recognised by their beginning only.

// Clipboard text to lines: a line ends at CR LF, at a lone CR or at a lone LF;
// a NUL ends the text. A line break at the very end adds no empty line.
QStringList splitClipboardText(const QString& text);
// Lines to clipboard text: every line, the last one included, followed by CR LF.
QString joinObjectText(const QStringList& lines);

// A real number as the host text writes it: six decimals at most, rounded half
// away from zero, trailing zeros and a bare decimal mark removed, "." as mark
// whatever the locale. 100 -> "100", 1/3 -> "0.333333", 99.9999996 -> "100".
QString formatNumber(double x);
// The first "." or "," of the text replaced by `mark`.
QString toLocalDecimal(const QString& text, QChar mark);
// A typed number in host form: toLocalDecimal, parsed, formatNumber. Nothing
// when the text is not a number.
std::optional<QString> normaliseNumber(const QString& text, QChar mark);

bool isPanSpeedLine(const QString& line);
bool isKeyPointLine(const QString& line);

// The lines of the nested object (a KeyPoint entry, say) whose header is at
// `start`: from the header through its own closing "end", whatever the
// indentation of its lines, objects nested in it included. An entry whose
// "end" is missing (the text reaches a line at column 0, or another object at
// the header's level, first) takes the header and the lines indented deeper
// than the header that follow it. A well-formed KeyPoint entry has 13 lines
// and is closed.
struct EntryExtent {
    int length = 0;
    bool closed = false;
    // The header and the eleven property lines the reader takes by offset.
    bool readable() const { return length - (closed ? 1 : 0) >= offsetOf(KeypointLine::End); }
};
EntryExtent keyPointEntry(const QStringList& lines, int start);

// The lines [first, end) of the object that holds line `inside`: from its
// "object " header (line 1 when there is none) to before its closing "end"
// (the end of the text when there is none). A text may carry several objects;
// the system only ever changes the one whose PanSpeed line it found.
struct ObjectSpan {
    int first = 1;
    int end = 0;
};
ObjectSpan objectSpan(const QStringList& lines, int inside);

// The first PanSpeed line from index 1 on, or -1.
int findPanSpeedLine(const QStringList& lines);

// The result of reading an object text.
struct ObjectRead {
    enum class Status { Accepted, NotAnObject, BadSpeedField };
    Status status = Status::NotAnObject;
    QString badText; // BadSpeedField: the field that is not a decimal integer
    int panSpeedLine = -1;
    int keyPointLine = -1;
    int firstKeypointTime = 0; // ms from the beginning of the slide
    QString firstTimeText;     // the first KeyPoint's own Time, before any correction
    int slideOffset = 0;       // ms: where the slide begins within the show
    bool firstTimeReliable = true;
    QString angleText;
    Extended firstAngle = 0; // 0 when the Angle text is not a number
    bool valuesTaken = false;
    KeyPointDefaults defaults; // only the angle unless valuesTaken
    bool zoomEqual = false;
    bool centreEqual = false;
    QStringList trace; // lines for LbxPointsCourbe
};

// Checks and reads an object text. The first KeyPoint entry must be a
// well-formed entry of the object that holds the first PanSpeed line.
ObjectRead readObject(const QStringList& lines, bool takeValues);

// Where the total transfer puts the keypoints: the PanSpeed line, the first
// KeyPoint's time (0 when not an integer) and the slide offset derived from the
// PanSpeed value (0 when its field is not an integer or the offset would not
// fit in 32 bits).
struct TransferTarget {
    int firstKeypointTime = 0;
    int offset = 0;
};
std::optional<TransferTarget> readTransferTarget(const QStringList& lines);

// The text after the first "=" of a line; empty when there is none.
QString afterEquals(const QString& line);

// The object text with its speed lines rewritten to `speed` and its KeyPoint
// entries replaced by the keypoint list (each line given two more spaces of
// indentation). The PanSpeed line and the RotateSpeed and ZoomSpeed lines of
// the same object (at any indentation, never those of an object nested in it)
// are rewritten in place, in the host's own two-space form; a missing one is
// inserted after the speed line before it. Every KeyPoint entry of that object
// is removed over its own extent; the keypoints go where the first one stood (after the speed
// lines when there was none). Every other line is kept as it was. Nothing
// when the text has no PanSpeed line. `trace` receives the first 17
// characters of every line from the last but one up to the first.
std::optional<QStringList> mergeKeyPointList(const QStringList& object, const QStringList& keyPoints,
                                             const QString& speed, QStringList* trace = nullptr);
// The same merge made in `object` itself, its lines moved into the merged text
// rather than copied: false, with `object` as it was, when it has no PanSpeed
// line. `keyPoints` is a list other than `object`.
bool mergeKeyPointListInto(QStringList& object, const QStringList& keyPoints, const QString& speed,
                           QStringList* trace = nullptr);

// The sample object of the second window, without a header line.
const QStringList& sampleObjectLines();

} // namespace trajecta
