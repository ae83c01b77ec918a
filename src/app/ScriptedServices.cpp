#include "app/ScriptedServices.h"

namespace trajecta {

namespace {
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}
} // namespace

ScriptedServices::ScriptedServices() = default;

QString ScriptedServices::nextAnswer() {
    if (answers.empty()) return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedServices::emitLine(const QString& line) {
    log.append(line);
    if (report) report(line);
}

void ScriptedServices::information(const QString& text) {
    nextAnswer();
    emitLine(QStringLiteral("message: %1 [OK] -> OK").arg(oneLine(text)));
}

void ScriptedServices::warning(const QString& text) {
    nextAnswer();
    emitLine(QStringLiteral("message: %1 [OK] -> OK").arg(oneLine(text)));
}

// The printed line stays the same for every box; the title is kept aside.
MessageAnswer ScriptedServices::okCancel(const QString& text, const QString& title) {
    const QString a = nextAnswer().toLower();
    const bool cancel = a == QLatin1String("cancel") || a == QLatin1String("no");
    lastTitle = title;
    emitLine(QStringLiteral("message: %1 [OK/Cancel] -> %2").arg(oneLine(text), cancel ? "Cancel" : "OK"));
    return cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

MessageAnswer ScriptedServices::yesNo(const QString& text) {
    const QString a = nextAnswer().toLower();
    const bool no = a == QLatin1String("no") || a == QLatin1String("cancel");
    emitLine(QStringLiteral("message: %1 [Yes/No] -> %2").arg(oneLine(text), no ? "No" : "Yes"));
    return no ? MessageAnswer::No : MessageAnswer::Yes;
}

MessageAnswer ScriptedServices::yesNoCancel(const QString& text, const QStringList& buttons) {
    const QString a = nextAnswer().toLower();
    qsizetype index = 0;
    if (a == QLatin1String("no"))
        index = 1;
    else if (a == QLatin1String("cancel"))
        index = 2;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        if (a == buttons[i].toLower()) index = i;
    emitLine(QStringLiteral("message: %1 [%2] -> %3")
                 .arg(oneLine(text), buttons.join(QLatin1Char('/')), buttons.value(index)));
    return index == 0 ? MessageAnswer::Yes : index == 1 ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::optional<int> ScriptedServices::choose(const QString& text, const QStringList& items) {
    const QString a = nextAnswer();
    const QString lower = a.toLower();
    const bool preset = a.isEmpty() || lower == QLatin1String("ok") || lower == QLatin1String("yes");
    const int index = preset && !items.isEmpty() ? 0 : int(items.indexOf(a));
    emitLine(QStringLiteral("choice: %1 [%2] -> %3")
                 .arg(oneLine(text), oneLine(items.join(QStringLiteral(" | "))),
                      index < 0 ? QStringLiteral("cancelled") : oneLine(items[index])));
    if (index < 0) return std::nullopt;
    return index;
}

void ScriptedServices::beep() {
    emitLine(QStringLiteral("beep"));
}

std::optional<QString> ScriptedServices::fileAnswer(const char* dialog, bool reading) {
    const QString a = nextAnswer();
    const QString lower = a.toLower();
    const bool cancelled = a.isEmpty() || lower == QLatin1String("cancel") || lower == QLatin1String("no") ||
                           lower == QLatin1String("ok") || lower == QLatin1String("yes");
    emitLine(QStringLiteral("%1 dialog -> %2")
                 .arg(QLatin1String(dialog), cancelled ? QStringLiteral("cancelled") : a));
    if (cancelled) return std::nullopt;
    return reading && resolvePath ? resolvePath(a) : a;
}

std::optional<QString> ScriptedServices::openFile(const QString&) {
    return fileAnswer("open", true);
}
std::optional<QString> ScriptedServices::saveFile(const QString&) {
    return fileAnswer("save", false);
}
std::optional<QString> ScriptedServices::openPicture(const QString&) {
    return fileAnswer("picture", true);
}

QString ScriptedServices::value(const QString& section, const QString& key, const QString& fallback) const {
    return settingsValues.value(section + QLatin1Char('/') + key, fallback);
}

void ScriptedServices::setValue(const QString& section, const QString& key, const QString& value) {
    settingsValues.insert(section + QLatin1Char('/') + key, value);
}

} // namespace trajecta
