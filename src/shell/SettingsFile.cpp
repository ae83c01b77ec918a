#include "shell/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trajecta {

namespace {

// Far more than any settings file of ours; a larger file is not one.
constexpr qint64 largestFile = 1 << 20;

bool writable(const QString& file) {
    const QFileInfo info(file);
    if (info.exists()) return info.isFile() && info.isWritable();
    const QFileInfo folder(info.absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

QString SettingsFile::choosePath(const QString& exeFolder, const QString& configFolder) {
    const QString beside = exeFolder + fileName;
    return writable(beside) ? beside : configFolder + fileName;
}

SettingsFile::SettingsFile(const QString& exeFolder, const QString& configFolder)
    : path_(choosePath(exeFolder, configFolder)) {
    // A file beside the executable that cannot be written is still read,
    // until the first save puts one in the configuration folder.
    QString source = path_;
    if (!QFileInfo(source).isFile() && QFileInfo(exeFolder + fileName).isFile())
        source = exeFolder + fileName;
    QFile file(source);
    if (!QFileInfo(source).isFile() || !file.open(QIODevice::ReadOnly)) return;
    found_ = true;
    if (file.size() <= largestFile) read_ = IniText::parse(QString::fromUtf8(file.readAll()));
}

QString SettingsFile::value(const QString& section, const QString& key, const QString& fallback) const {
    if (auto v = written_.value(section, key)) return *v;
    return read_.value(section, key).value_or(fallback);
}

void SettingsFile::setValue(const QString& section, const QString& key, const QString& value) {
    written_.setValue(section, key, value);
}

bool SettingsFile::save() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(written_.toText().toUtf8());
    return file.commit();
}

} // namespace trajecta
