#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

namespace trajecta {

// A recovery file a run left behind when it ended without closing, claimed by
// this program: its lock is held until the claim ends, so that a program
// starting meanwhile does not offer it too.
class InterruptedRun {
  public:
    InterruptedRun(QString path, std::unique_ptr<QLockFile> lock);
    InterruptedRun(InterruptedRun&&) noexcept;
    ~InterruptedRun(); // the claim ends; the file stays unless removed or set aside

    const QString& path() const { return path_; }
    std::optional<QByteArray> bytes() const;
    void remove();
    // Renamed aside ("….damaged-<time>"), never offered again; returns the new path.
    QString setAside();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// The recovery files of one folder. This program's file has a name of its own
// (the process and the moment it started) and a lock held while the program
// runs. It is written whole and atomically on a worker thread: a text handed
// over replaces one not yet written, so that the user never waits for the
// disk. Destroying the object is the program's normal close: the file goes.
class RecoveryFiles {
  public:
    explicit RecoveryFiles(QString folder);
    ~RecoveryFiles();
    RecoveryFiles(const RecoveryFiles&) = delete;
    RecoveryFiles& operator=(const RecoveryFiles&) = delete;

    // Hands the text to the writer. Returns why a write failed: this one at
    // once (the folder cannot be made, the lock not taken) or an earlier one,
    // each reason once; empty otherwise.
    QString write(const QByteArray& text);
    // Waits until the last text handed over is written.
    void flush();
    // The file removed: nothing is left to keep.
    void remove();

    // The newest file of a run that ended without closing (no live program
    // holds its lock), claimed; nothing when there is none.
    std::optional<InterruptedRun> claimInterrupted() const;

  private:
    struct Writer;
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<Writer> writer_;
};

} // namespace trajecta
