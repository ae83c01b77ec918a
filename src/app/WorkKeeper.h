#pragma once

#include "app/RecoveryFiles.h"
#include "app/RecoveryText.h"
#include "core/Context.h"
#include "core/WorkGuard.h"
#include "history/UndoHistory.h"

#include <memory>

namespace trajecta {

class CurveFile;
class HostExchange;
class Workflow;

// Never loses the user's work. It asks before an operation throws away a
// project with changes no saved curve file holds (Save / Don't Save /
// Cancel), and it keeps the project in a recovery file after every change,
// so that a run that ends without closing (a crash, the power gone) can be
// taken back at the next start: the object loaded again, the curve file's
// records replayed through the user's operations, and the steps walked back
// to where the user was.
//
// "Changes" are measured against the project's curve file lines: those of
// the last save or load, or of a project just begun.
class WorkKeeper : public WorkGuard, public ProjectChangeListener {
  public:
    WorkKeeper(Context& ctx, HostExchange& host, Workflow& workflow, CurveFile& curveFile);
    ~WorkKeeper() override;

    // The project has changes that no saved curve file holds (kept up to
    // date after every change, for the window's caption).
    bool unsavedChanges() const { return unsaved_; }
    bool mayDiscardWork() override;
    void nothingUnsaved() override;
    void projectChanged() override;

    // From now on the project is kept in a recovery file of `folder` (the
    // program's; sessions without one keep nothing).
    void keepIn(const QString& folder);
    // A run that ended without closing left its work in the folder.
    bool interruptedWorkWaiting() const;
    // The question "Reprendre le travail interrompu ?" about the newest such
    // work: yes replays it (a file that is damaged or does not replay is set
    // aside with a message, the session as it was), no removes it.
    void offerInterruptedWork();
    // Waits until the recovery file holds the last change.
    void flush();

    // The lines of the project's curve file as it stands: the curve record
    // with its block written from the curve in hand, and every record after it.
    QStringList projectLines() const;
    // With only the records that belong to the project, those of the
    // furthest step it has reached; nothing at the start screen.
    RecoveryContent recoveryContent() const;

  private:
    QStringList curveRecord() const;
    QStringList projectLines(QStringList record, Step upTo) const;
    RecoveryContent recoveryContent(const QStringList& record) const;
    bool save();
    void keep(const QStringList& record);
    bool replay(const RecoveryContent& content);
    bool replayCurve(const RecoveryContent& content);
    void takeBack(InterruptedRun run);

    Context& ctx_;
    HostExchange& host_;
    Workflow& workflow_;
    CurveFile& curveFile_;
    QStringList savedLines_;
    bool unsaved_ = false;
    std::unique_ptr<RecoveryFiles> files_;
    RecoveryContent kept_;
    bool failureShown_ = false;
};

} // namespace trajecta
