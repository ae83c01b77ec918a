#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace trajecta {

// The platform around the core: every interaction with the user's machine goes
// through these interfaces, so that the core runs the same under the Qt window,
// the script driver and the tests.

class ClipboardService {
  public:
    virtual ~ClipboardService() = default;
    // The whole plain-text content; nothing when the clipboard holds no text.
    virtual std::optional<QString> text() = 0;
    // Replaces the whole clipboard content.
    virtual void setText(const QString& text) = 0;
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    // The box's title is the program's name when `title` is empty.
    virtual MessageAnswer okCancel(const QString& text, const QString& title) = 0;
    virtual MessageAnswer yesNo(const QString& text) = 0;
    // A question with three buttons whose captions `buttons` gives in their
    // order: Yes for the first (e.g. "Save"), No for the second ("Don't
    // Save"), Cancel for the third ("Cancel") and for a box closed unanswered.
    virtual MessageAnswer yesNoCancel(const QString& text, const QStringList& buttons) = 0;
    // A list question: the index of the item the user picks, the first one
    // offered; nothing when the user cancels.
    virtual std::optional<int> choose(const QString& text, const QStringList& items) = 0;
    virtual void beep() = 0;
};

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // Each returns the chosen path, or nothing when the user cancels. A filter
    // reads as "Courbes (*.tjc)"; the picture dialog's lists every readable format.
    virtual std::optional<QString> openFile(const QString& filter) = 0;
    virtual std::optional<QString> saveFile(const QString& filter) = 0;
    virtual std::optional<QString> openPicture(const QString& filter) = 0;
};

// The settings file, in sections and keys. It is read when the program
// starts; values set are kept until save() writes them all.
class SettingsService {
  public:
    virtual ~SettingsService() = default;
    // A settings file was there to read at start.
    virtual bool exists() const = 0;
    virtual QString value(const QString& section, const QString& key, const QString& fallback) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    // Writes the values set, whole; false when the file could not be written.
    virtual bool save() = 0;
};

class SystemService {
  public:
    virtual ~SystemService() = default;
    // Today's date in the user's short date format.
    virtual QString todayShort() const = 0;
    // The decimal separator of the user's locale.
    virtual QChar decimalSeparator() const = 0;
    // Folder of the executable, with a trailing separator.
    virtual QString exeFolder() const = 0;
    // The monitors' rectangles in desktop pixels, the first monitor first.
    virtual QList<QRect> screens() const = 0;
};

// The set of services handed to a session; the owner keeps them alive.
struct Services {
    ClipboardService& clipboard;
    MessageService& messages;
    FileDialogService& files;
    SettingsService& settings;
    SystemService& system;
};

} // namespace trajecta
