#pragma once

#include "document/Keypoint.h"
#include "document/ParameterState.h"
#include "platform/ControlId.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace trajecta {

// The nine parameters, in the order of their numbers in the parameter log
// (number = index + 1) and of the checks of the parameter panel.
enum class Parameter { Opacity, ZoomX, ZoomY, Rotation, CentreX, CentreY, ThreeDX, ThreeDY, ThreeDZ };
constexpr int parameterCount = 9;

struct ParameterInfo {
    const char* logName; // "1-Opacité : ("
    CheckBoxId box;      // its check box
    EditId startEdit;    // column "début"
    EditId endEdit;      // column "fin"
    const char* initialText;
    int lineOffset;  // line of the 13-line keypoint block it rewrites
    const char* key; // "  Opacity="; the CenterPos line holds both centre values
};
const ParameterInfo& parameterInfo(Parameter p);
inline const ParameterInfo& parameterInfo(int index) {
    return parameterInfo(static_cast<Parameter>(index));
}

constexpr const char* parameterLogHeader = "=== Etape 5 les paramètres ===";
constexpr const char* parameterLogSeparator = "---";

// The parameter panel as "Enregistrer" finds it.
struct PanelReading {
    std::array<bool, parameterCount> ticked{}; // the nine boxes (the 3D ones are the sub-boxes)
    bool threeD = false;                       // ChBx3D
    bool zoomTied = false;                     // ChBxEgal
    bool centreTied = false;                   // ChBxCentreEgal
    bool addTangent = false;                   // ChBxAngleRotation
    int zeroItem = 0;                          // RdgDecalage: 0 "angle tangente", 1 "objet à l'origine"
    std::array<std::array<QString, 2>, parameterCount> texts; // start and end edit texts
};

// Fills `record` for the range s..e from the panel and returns the log lines
// of the record, "---" included. Nothing, and `record` untouched, when none of
// the seven main boxes (opacity, zoom X, zoom Y, rotation, centre X, centre Y,
// 3D) is ticked.
std::optional<QStringList> buildParameterRecord(const PanelReading& panel, int s, int e, TParametres& record);

// Sets the parameter values of keypoints startIndex..endIndex from the
// record: the start value at the start, the end value at the end and, between
// them, values spaced evenly by index (a running value in extended precision).
// Other keypoints and the other values of the range are left alone. A
// rotation with the tangent adds each keypoint's tangent angle and the
// rotation shift, and appends one diagnostic line to `trace` (fixed two
// decimals with `separator`). Returns false, with the keypoints unchanged,
// when the range does not lie within them or a value is not a number.
bool applyParameterRecord(KeypointRecords& keypoints, const TParametres& record, const AngleState& angles,
                          QStringList& trace, QChar separator);

// The parameter log read back, for the replay of a saved curve. Only the
// lines after the first header line after line 0 count. Every line that
// starts with "D" opens a record; its range must be whole numbers with
// 0 <= start < end < keypointCount, else the reading stops there and
// `readable` is false. The lines of a record run up to its "---".
struct LoggedLine {
    int number = 0; // the digit the line starts with, 0 for none
    QString text;
    bool tied = false;  // zoom X and centre X: the "Egaux" line after it reads "vrai"
    qsizetype line = 0; // its index among the lines read
};
struct LoggedRecord {
    int start = 0;
    int end = 0;
    std::vector<LoggedLine> lines;
    qsizetype line = 0; // the index of its range line
};
struct ParameterLog {
    std::vector<LoggedRecord> records;
    bool readable = true;
    qsizetype failedLine = -1; // the index of the range line that could not be read
};
ParameterLog readParameterLog(const QStringList& lines, int keypointCount);

// What one logged parameter line puts into the panel. Opacity values are
// decimal integers; the others are written in general number format with
// `separator`. Nothing when its two values cannot be read.
struct LoggedValues {
    QString start;
    QString end;
};
std::optional<LoggedValues> readLoggedValues(const LoggedLine& line, QChar separator);
// A rotation line: whether it asks for the tangent, and the zero item.
bool rotationAddsTangent(const QString& line);
int rotationZeroItem(const QString& line);

// A real number in general format: up to 15 significant digits, no trailing
// zeros, `separator` as decimal mark.
QString generalNumber(double value, QChar separator);

// Unwraps tangentAngles[0..count): each entry is moved by whole turns to lie
// within half a turn of the entry before it (a jump of exactly 180 becomes
// -180 and one of -180 becomes +180). The turns added accumulate.
void unwrapTangentAngles(double* angles, int count);

// initialAngleOffset and rotationShift from the host's first angle and the
// item of RdgDecalage.
void updateAngleOffsets(AngleState& angles, long double firstAngle, int zeroItem);
// The rotation relative to the curve that the stored angle of keypoint k
// stands for: what a record with the tangent turns back into that angle
// (stored = relative + tangent + shift).
long double relativeRotation(const AngleState& angles, int k, long double stored);

// Edit filters of the parameter panel.
bool opacityKeyAccepted(QChar c); // digits and backspace
// An opacity edit keeps texts of at most 2 characters, and longer whole
// numbers up to 100; anything else brings back the last accepted text.
bool opacityTextKept(const QString& text);
// A typed character in the sixteen real-number edits, given the text and the
// caret: the character to insert ("." and "," become `separator`), or nothing
// when refused. `minusAllowed` is false in the zoom edits.
std::optional<QChar> realKeyAccepted(QChar c, const QString& text, int caret, bool minusAllowed,
                                     QChar separator);
// The text after a paste into a real-number edit: the first "." and the first
// "," made `separator`; nothing when it then does not read as a number.
std::optional<QString> pastedRealText(const QString& text, QChar separator);
// Whether a panel text counts as filled in: a whole number for opacity, a real
// number for the others.
bool panelTextReadable(Parameter p, const QString& text);

} // namespace trajecta
