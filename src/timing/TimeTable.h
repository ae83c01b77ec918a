#pragma once

#include "document/TimeEditState.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace trajecta {

struct KeypointTime;

// Pure computations over the keypoint time table: row 0 is the time of the
// first keypoint from the start of the slide, every other row the time since
// the keypoint before it, in whole milliseconds.

// Limits of the three time fields.
constexpr int firstTimeLimit = 300000; // EdtTemps1st: five minutes
constexpr int rangeTimeLimit = 45000;  // EdtTempsDeb, EdtTempsFin

// "999 ms", "1 s 500 ms ", "1 min 0 s 0 ms ", "1 h 2 min 3 s 4 ms ": the pieces
// above one second each end with a blank.
QString formatDuration(qint64 ms);

// The interval every row but the first gets when a table is built:
// 5500 ms spread over the keypoints, never below 100 ms.
int initialGap(int sampleCount);

// Sums of the working or committed column: the absolute time of row i is the
// sum of rows 0..i; the total is the minimum duration of the slide. Rows past
// the end of the table count as 0.
qint64 absoluteWorking(const std::vector<KeypointTime>& times, int row);
qint64 totalWorking(const std::vector<KeypointTime>& times);

// Spreads the working times of rows a..b (a < b, both in the table) from p at
// a to q at b. Equal ends fill the range with that value. Otherwise the rows
// strictly between follow a running value kept in single precision, as the
// stored times have always been computed: v += d with d = (q - p) / (b - a),
// or, geometric, v *= r with r = exp(ln(q / p) / (b - a)), each rounded to the
// nearest millisecond, ties to even. A geometric progression has no meaning
// when an end is 0 (the ratio would be infinite or zero): such a range is
// filled arithmetically, so that no row can become NaN, negative or leap.
// Rows outside the table are left alone.
void fillRange(std::vector<KeypointTime>& times, int a, int b, int p, int q, bool geometric);

// The whole-number value of a field text: digits only, no sign, no blanks,
// within 32 bits. Nothing for any other text.
std::optional<int> wholeNumber(const QString& text);

// Whether a field keeps a changed text. The first time field has no key
// filter, so anything but a whole number up to the limit is refused there,
// like an over-limit value. The range fields keep whole numbers up to their
// limit. An empty text is neither kept nor refused: the field shows it while
// the last accepted value stays in force.
enum class FieldVerdict { Keep, Refuse, Empty };
FieldVerdict judgeFirstTime(const QString& text);
FieldVerdict judgeRangeTime(const QString& text);

// The key filter of the range fields: digits and backspace.
bool rangeKeyAccepted(QChar c);

// Lines of the time record LbxColTemps.
QString firstTimeRecordLine(const QString& firstTimeText); // "temps 1er point: (n)"
QString rangeRecordLine(int a, int b, TimeMode mode);      // "début/fin : (a,b) choix temps +m"
QString timesRecordLine(const QString& p, const QString& q, bool geometric); // "temps : (p/q)  vitesse : -0"

// The time listing LbxTempsKP: "point i : committed[i]" for every row.
QStringList timeListing(const std::vector<KeypointTime>& times);
// The same listing brought up to date in place: only lines that differ are
// written, so that refreshing an unchanged listing allocates nothing.
void refreshTimeListing(QStringList& listing, const std::vector<KeypointTime>& times);

// The listing kept up to date by its owner, which refreshes it on every edit
// of a time: a refresh of a listing that nothing wrote to since the last one,
// over the same committed times, is settled without reading a line. The memo
// shares the listing's rows, so any write to the listing (a step back, an
// undo putting back an older document) gives it other rows and a whole refresh.
class TimeListingMemo {
  public:
    void refresh(QStringList& listing, const std::vector<KeypointTime>& times);

  private:
    QStringList shown_;
    std::vector<int> committed_;
};

// LblTempsPointActuel for row i: the absolute working time, " / ", the
// working time of the row and " ms".
QString keypointTimeText(const std::vector<KeypointTime>& times, int row);

} // namespace trajecta
