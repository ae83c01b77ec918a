#pragma once

#include "core/Context.h"

#include <QStringList>

namespace trajecta {

class CurveView;
class Extras;
class ParameterStep;
class TimeLogReplay;
class Workflow;
struct CurveFileContent;

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

    // LblEnregistrerCourbe (step 6): the lines checked as a load checks them,
    // then the save dialog, the replace question, an atomic write and the
    // window caption. Lines that would not load are refused with the line.
    void saveCurveFile();
    // LblChargerFichier (step 1): the open dialog, then loadLines.
    void loadCurveFile();
    // The lines of a curve file loaded as the open dialog's file would be. On
    // failure the message box names the line, the session is as it was and
    // the message text is returned; an empty text on success.
    QString loadLines(const QStringList& lines);

  private:
    bool replay(const CurveFileContent& content, const QStringList& lines);
    bool replayCurve(const CurveFileContent& content);
    bool replayTimes(const CurveFileContent& content);
    bool replayParameters(const CurveFileContent& content, const QStringList& lines);
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
};

} // namespace trajecta
