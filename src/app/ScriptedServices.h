#pragma once

#include "platform/Services.h"

#include <QDate>
#include <QMap>
#include <deque>
#include <functional>

namespace trajecta {

// Non-interactive services for the script driver and the tests: answers to
// message boxes and file dialogs come from a queue, every message box and beep
// is reported as a line, the clipboard is a plain value and the settings live
// in memory.
class ScriptedServices final : public ClipboardService,
                               public MessageService,
                               public FileDialogService,
                               public SettingsService,
                               public SystemService {
  public:
    ScriptedServices();

    Services services() { return Services{*this, *this, *this, *this, *this}; }

    // Where the lines describing message boxes and beeps go (also kept in `log`).
    std::function<void(const QString&)> report;
    QStringList log;

    // The next answers: "ok", "cancel", "yes", "no", a file path or an item of
    // a list question. A message box without a queued answer takes OK or Yes,
    // a list question its first item; a file dialog is cancelled, and so is a
    // list question answered with no item of its list.
    std::deque<QString> answers;
    // Turns a path answered to an open or picture dialog into the one the
    // program reads (the line still shows the path as answered); none: unchanged.
    std::function<QString(const QString&)> resolvePath;

    // The title of the last OK/Cancel box; empty for the program's own title.
    QString lastTitle;

    std::optional<QString> clipboardText;
    QDate today = QDate::currentDate();
    QChar separator = QLatin1Char('.');
    QString folder = QStringLiteral("./");
    QMap<QString, QString> settingsValues;
    int settingsSaved = 0; // how many times the settings were written
    // One monitor of 1920 x 1080 pixels.
    QList<QRect> monitors{QRect(0, 0, 1920, 1080)};

    std::optional<QString> text() override { return clipboardText; }
    void setText(const QString& text) override { clipboardText = text; }

    void information(const QString& text) override;
    void warning(const QString& text) override;
    MessageAnswer okCancel(const QString& text, const QString& title) override;
    MessageAnswer yesNo(const QString& text) override;
    // "yes" (or OK, or no answer) takes the first button, "no" the second,
    // "cancel" the third; so does a button's own caption.
    MessageAnswer yesNoCancel(const QString& text, const QStringList& buttons) override;
    std::optional<int> choose(const QString& text, const QStringList& items) override;
    void beep() override;

    std::optional<QString> openFile(const QString& filter) override;
    std::optional<QString> saveFile(const QString& filter) override;
    std::optional<QString> openPicture(const QString& filter) override;

    bool exists() const override { return !settingsValues.isEmpty(); }
    QString value(const QString& section, const QString& key, const QString& fallback) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    bool save() override {
        ++settingsSaved;
        return true;
    }

    QString todayShort() const override { return today.toString(QStringLiteral("dd/MM/yyyy")); }
    QChar decimalSeparator() const override { return separator; }
    QString exeFolder() const override { return folder; }
    QList<QRect> screens() const override { return monitors; }

  private:
    QString nextAnswer();
    void emitLine(const QString& line);
    std::optional<QString> fileAnswer(const char* dialog, bool reading);
};

} // namespace trajecta
