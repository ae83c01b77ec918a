#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace trajecta {

class SettingsFile;

// The services of the interactive program, over the Qt platform: the system
// clipboard, modal message boxes and file dialogs over the main window, the
// settings file Trajecta.ini (beside the executable, or in the user's
// configuration folder when it cannot be written there), the user's locale and
// the monitors.
class QtServices final : public ClipboardService,
                         public MessageService,
                         public FileDialogService,
                         public SettingsService,
                         public SystemService {
  public:
    QtServices();
    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    Services services() { return Services{*this, *this, *this, *this, *this}; }
    // The window over which message boxes and dialogs open.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> text() override;
    void setText(const QString& text) override;

    void information(const QString& text) override;
    void warning(const QString& text) override;
    MessageAnswer okCancel(const QString& text, const QString& title) override;
    MessageAnswer yesNo(const QString& text) override;
    MessageAnswer yesNoCancel(const QString& text, const QStringList& buttons) override;
    std::optional<int> choose(const QString& text, const QStringList& items) override;
    void beep() override;

    // `filter` is a dialog filter such as "Courbes (*.tjc)".
    std::optional<QString> openFile(const QString& filter) override;
    std::optional<QString> saveFile(const QString& filter) override;
    std::optional<QString> openPicture(const QString& filter) override;

    bool exists() const override;
    QString value(const QString& section, const QString& key, const QString& fallback) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    bool save() override;
    // The settings file read at start and written by save().
    QString settingsPath() const;

    QString todayShort() const override;
    QChar decimalSeparator() const override;
    QString exeFolder() const override;
    QList<QRect> screens() const override;

  private:
    // The dialogs start in the folder of the file chosen last, kept in the
    // settings file from one run to the next.
    QString startFolder() const;
    std::optional<QString> remember(const QString& path);

    QPointer<QWidget> parent_;
    std::unique_ptr<SettingsFile> settings_;
};

} // namespace trajecta
