#pragma once

#include "core/Context.h"
#include "core/WorkGuard.h"

#include <QStringList>

namespace trajecta {

class CurveView;
class Extras;
class ParameterStep;
class TimeLogReplay;
class Workflow;
struct CurveFileContent;
struct RecordedCurve;

// The curve file: a project saved as its three records (curve, times,
// parameters) and loaded again by replaying them through the operations the
// user's clicks run, ending in step 6 with the object on the clipboard.
//
// A load never leaves a half-loaded project: the whole file is checked before
// anything changes, and a replay that still fails puts the session back as it
// was before the load.
class CurveFile {
  public:
    CurveFile(Context& ctx, Workflow& workflow, CurveView& view, TimeLogReplay& replay,
              ParameterStep& parameters, Extras& extras);

    // The two buttons and their press looks.
    void registerHandlers();
    // The guard is told of every save and load, and asked before a load.
    void connect(WorkGuard& guard) { guard_ = &guard; }

    // LblEnregistrerCourbe (step 6): the lines checked as a load checks them,
    // then the save dialog, the replace question, an atomic write and the
    // window caption. Lines that would not load are refused with the line;
    // before step 6 the user is told to finish the path first. True once the
    // file is written.
    bool saveCurveFile();
    // LblChargerFichier (step 1): the guard's question, the open dialog, then loadLines.
    void loadCurveFile();
    // The lines of a curve file loaded as the open dialog's file would be. On
    // failure the message box names the line, the session is as it was and
    // the message text is returned; an empty text on success. The replay
    // stops in the step `until` (Shaping, Times, Parameters or Finished).
    QString loadLines(const QStringList& lines, Step until = Step::Finished);
    // The marking of a curve record made again by the user's clicks, each
    // point rescaled to this work area: from point `from` on, into the
    // marking under way, or with `from` 0 after choosing the recorded format
    // and creating the curve. False when the marking does not go on.
    bool replayMarking(const RecordedCurve& curve, std::size_t from);

  private:
    bool replay(const CurveFileContent& content, const QStringList& lines, Step until);
    bool replayCurve(const CurveFileContent& content, Step until);
    bool replayTimes(const CurveFileContent& content, Step until);
    bool replayParameters(const CurveFileContent& content, const QStringList& lines, Step until);
    // The recorded format chosen in RdgChoixEcran and the curve created.
    bool createRecordedCurve(const RecordedCurve& recorded);
    QString fail(const QString& detail);
    // "ligne n : <the line>", or the line missing past the end.
    QString lineText(const QStringList& lines, qsizetype line) const;
    void setCaption(const QString& path);

    Context& ctx_;
    Workflow& workflow_;
    CurveView& view_;
    TimeLogReplay& replay_;
    ParameterStep& parameters_;
    Extras& extras_;
    WorkGuard* guard_ = nullptr;
};

} // namespace trajecta
