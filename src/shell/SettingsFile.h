#pragma once

#include "platform/Services.h"
#include "shell/IniText.h"

namespace trajecta {

// The settings file Trajecta.ini. It lives beside the executable when it can
// be written there (a file that is there and writable, or no file yet in a
// folder that can be written); otherwise, as for an installed program, in the
// user's configuration folder. The file is read once, when the store is made:
// what cannot be read counts as missing. save() writes the values set since
// then, and only those, as a whole new file that replaces the old one in one
// step, so a damaged or foreign file is rewritten whole and an interrupted
// write leaves the previous file intact.
class SettingsFile final : public SettingsService {
  public:
    static inline const QString fileName = QStringLiteral("Trajecta.ini");

    // Both folders end with a separator.
    SettingsFile(const QString& exeFolder, const QString& configFolder);

    // The file read at start and written by save().
    const QString& path() const { return path_; }
    // Where the settings go for these two folders.
    static QString choosePath(const QString& exeFolder, const QString& configFolder);

    bool exists() const override { return found_; }
    QString value(const QString& section, const QString& key, const QString& fallback) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    bool save() override;

  private:
    QString path_;
    bool found_ = false;
    IniText read_;
    IniText written_;
};

} // namespace trajecta
