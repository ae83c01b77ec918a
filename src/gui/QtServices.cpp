#include "gui/QtServices.h"

#include "gui/ShownText.h"
#include "shell/SettingsFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

namespace trajecta {

namespace {
const QString boxTitle = QStringLiteral("Trajecta");

} // namespace

const QString foldersSection = QStringLiteral("dossiers");
const QString lastFolderKey = QStringLiteral("Dernier");

QtServices::QtServices()
    : settings_(std::make_unique<SettingsFile>(
          exeFolder(),
          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/'))) {
    // The file is written whole from the values set: the folder read is set
    // again so that it stays.
    const QString folder = settings_->value(foldersSection, lastFolderKey, QString());
    if (!folder.isEmpty()) settings_->setValue(foldersSection, lastFolderKey, folder);
}

QString QtServices::startFolder() const {
    const QString folder = settings_->value(foldersSection, lastFolderKey, QString());
    return QDir(folder).exists() ? folder : QDir::homePath();
}

std::optional<QString> QtServices::remember(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    settings_->setValue(foldersSection, lastFolderKey, QFileInfo(path).absolutePath());
    return path;
}

QtServices::~QtServices() = default;

std::optional<QString> QtServices::text() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString content = clipboard->text(QClipboard::Clipboard);
    if (content.isNull()) return std::nullopt;
    return content;
}

void QtServices::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void QtServices::information(const QString& text) {
    QMessageBox::information(parent_, boxTitle, shownText(text));
}

void QtServices::warning(const QString& text) {
    QMessageBox::warning(parent_, boxTitle, shownText(text));
}

MessageAnswer QtServices::okCancel(const QString& text, const QString& title) {
    const auto answer = QMessageBox::warning(parent_, title.isEmpty() ? boxTitle : title, shownText(text),
                                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

MessageAnswer QtServices::yesNo(const QString& text) {
    const auto answer = QMessageBox::question(parent_, boxTitle, shownText(text),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer QtServices::yesNoCancel(const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, boxTitle, shownText(text), QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(buttons.value(0), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(buttons.value(1), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(buttons.value(2), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes  ? MessageAnswer::Yes
           : box.clickedButton() == no ? MessageAnswer::No
                                       : MessageAnswer::Cancel;
}

std::optional<int> QtServices::choose(const QString& text, const QStringList& items) {
    bool ok = false;
    const QString item = QInputDialog::getItem(parent_, boxTitle, shownText(text), items, 0, false, &ok);
    if (!ok) return std::nullopt;
    const qsizetype index = items.indexOf(item);
    if (index < 0) return std::nullopt;
    return int(index);
}

void QtServices::beep() {
    QApplication::beep();
}

std::optional<QString> QtServices::openFile(const QString& filter) {
    return remember(QFileDialog::getOpenFileName(parent_, QString(), startFolder(), filter));
}

std::optional<QString> QtServices::saveFile(const QString& filter) {
    // The program asks itself before replacing an existing file.
    return remember(QFileDialog::getSaveFileName(parent_, QString(), startFolder(), filter, nullptr,
                                                 QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> QtServices::openPicture(const QString& filter) {
    return remember(QFileDialog::getOpenFileName(parent_, QString(), startFolder(), filter));
}

QString QtServices::settingsPath() const {
    return settings_->path();
}

bool QtServices::exists() const {
    return settings_->exists();
}

QString QtServices::value(const QString& section, const QString& key, const QString& fallback) const {
    return settings_->value(section, key, fallback);
}

void QtServices::setValue(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(section, key, value);
}

bool QtServices::save() {
    return settings_->save();
}

QString QtServices::todayShort() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QChar QtServices::decimalSeparator() const {
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}

QString QtServices::exeFolder() const {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QList<QRect> QtServices::screens() const {
    QList<QRect> monitors;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        monitors.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) monitors.append(screen->availableGeometry());
    return monitors;
}

} // namespace trajecta
