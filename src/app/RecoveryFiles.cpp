#include "app/RecoveryFiles.h"

#include "platform/Files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace trajecta {

namespace {

const QString suffix = QStringLiteral(".recovery");

// Held by a live program only: a lock is never taken for stale by its age.
std::unique_ptr<QLockFile> lockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

InterruptedRun::InterruptedRun(QString path, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), lock_(std::move(lock)) {}
InterruptedRun::InterruptedRun(InterruptedRun&&) noexcept = default;
InterruptedRun::~InterruptedRun() = default;

std::optional<QByteArray> InterruptedRun::bytes() const {
    return readWholeFile(path_);
}

void InterruptedRun::remove() {
    QFile::remove(path_);
}

QString InterruptedRun::setAside() {
    const QString aside = path_ + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(path_, aside) ? aside : path_;
}

// One thread writes the newest text handed over; a text not yet written when
// a newer one comes is dropped.
struct RecoveryFiles::Writer {
    explicit Writer(QString target) : path(std::move(target)), thread([this] { run(); }) {}
    ~Writer() {
        {
            std::lock_guard<std::mutex> hold(mutex);
            stop = true;
        }
        wake.notify_all();
        thread.join();
    }
    void post(QByteArray text) {
        {
            std::lock_guard<std::mutex> hold(mutex);
            pending = std::move(text);
        }
        wake.notify_all();
    }
    void flush() {
        std::unique_lock<std::mutex> hold(mutex);
        idle.wait(hold, [this] { return !pending && !busy; });
    }
    QString takeFailure() {
        std::lock_guard<std::mutex> hold(mutex);
        return std::exchange(failure, QString());
    }
    void run() {
        std::unique_lock<std::mutex> hold(mutex);
        for (;;) {
            wake.wait(hold, [this] { return stop || pending; });
            if (stop) return;
            const QByteArray text = std::move(*pending);
            pending.reset();
            busy = true;
            hold.unlock();
            const QString why = writeFileAtomically(path, text);
            hold.lock();
            busy = false;
            if (!why.isEmpty()) failure = why;
            idle.notify_all();
        }
    }

    const QString path;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::optional<QByteArray> pending;
    bool busy = false;
    bool stop = false;
    QString failure;
    std::thread thread; // last: it starts once everything else is in place
};

RecoveryFiles::RecoveryFiles(QString folder)
    : folder_(std::move(folder)), path_(QDir(folder_).filePath(QStringLiteral("%1-%2%3")
                                                                   .arg(QCoreApplication::applicationPid())
                                                                   .arg(QDateTime::currentMSecsSinceEpoch())
                                                                   .arg(suffix))) {}

RecoveryFiles::~RecoveryFiles() {
    remove();
}

QString RecoveryFiles::write(const QByteArray& text) {
    if (!lock_) {
        if (!QDir().mkpath(folder_))
            return QStringLiteral("%1: %2").arg(folder_, QStringLiteral("no such folder"));
        auto lock = lockFor(path_);
        if (!lock->tryLock(0)) return QStringLiteral("%1: the lock is not free").arg(path_);
        lock_ = std::move(lock);
    }
    if (!writer_) writer_ = std::make_unique<Writer>(path_);
    writer_->post(text);
    return writer_->takeFailure();
}

void RecoveryFiles::flush() {
    if (writer_) writer_->flush();
}

void RecoveryFiles::remove() {
    writer_.reset();
    if (!lock_) return;
    QFile::remove(path_);
    lock_.reset(); // unlocks, removing the lock file
}

std::optional<InterruptedRun> RecoveryFiles::claimInterrupted() const {
    const QFileInfoList files =
        QDir(folder_).entryInfoList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (file.absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) continue;
        std::unique_ptr<QLockFile> lock = lockFor(file.absoluteFilePath());
        if (lock->tryLock(0)) return InterruptedRun(file.absoluteFilePath(), std::move(lock));
    }
    return std::nullopt;
}

} // namespace trajecta
