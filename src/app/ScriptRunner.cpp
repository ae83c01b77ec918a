#include "app/ScriptRunner.h"

#include "app/ScriptedServices.h"
#include "app/Session.h"

#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLocale>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace trajecta {

namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

QString readText(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    // Host objects are 8-bit text in the Windows code page when not UTF-8.
    if (text.contains(QChar::ReplacementCharacter)) text = QString::fromLatin1(bytes);
    return text;
}

int toInt(const QString& word) {
    bool ok = false;
    const int v = word.toInt(&ok);
    if (!ok) throw ScriptError("not a whole number: " + word.toStdString());
    return v;
}

} // namespace

QString quoted(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    t.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    t.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    t.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

struct ScriptRunner::State {
    ScriptOptions options;
    ScriptedServices fakes;
    std::unique_ptr<Session> ownSession; // none when a window holds the session
    Session* session = nullptr;
    bool buttonHeld = false;
    std::function<void(const QString&)> out;

    QString path(const QString& name) const {
        QFileInfo info(name);
        if (info.isRelative() && !info.exists() && !options.baseFolder.isEmpty())
            return options.baseFolder + QLatin1Char('/') + name;
        return name;
    }

    // A file to read, answered to a dialog: beside the script when it is not
    // in the current folder.
    QString existingPath(const QString& name) const {
        const QString beside = path(name);
        return QFileInfo::exists(beside) ? beside : name;
    }

    void requireControl(const QString& name) const {
        if (!session->controls().has(name)) throw ScriptError("no control named " + name.toStdString());
    }

    void refuse(const QString& command, const QString& name) {
        const Controls& c = session->controls();
        const QString why = !c.showing(name)   ? QStringLiteral("not showing")
                            : !c.enabled(name) ? QStringLiteral("not enabled")
                                               : QStringLiteral("blocked by the dialog ") + c.blockedBy(name);
        out(QStringLiteral("error: %1 %2 refused: %3").arg(command, name, why));
    }

    void printControl(const QString& name) {
        const ControlState& s = session->controls().get(name);
        QString line = QStringLiteral("%1 visible=%2 showing=%3 enabled=%4")
                           .arg(name)
                           .arg(s.visible ? 1 : 0)
                           .arg(session->controls().showing(name) ? 1 : 0)
                           .arg(s.enabled ? 1 : 0);
        switch (s.kind) {
        case ControlKind::Slider:
            line += QStringLiteral(" min=%1 max=%2 position=%3").arg(s.min).arg(s.max).arg(s.position);
            break;
        case ControlKind::RadioGroup:
            line += QStringLiteral(" text=%1 index=%2").arg(quoted(s.text)).arg(s.itemIndex);
            break;
        case ControlKind::CheckBox:
        case ControlKind::MenuItem:
            line += QStringLiteral(" text=%1 checked=%2").arg(quoted(s.text)).arg(s.checked ? 1 : 0);
            break;
        case ControlKind::Image:
        case ControlKind::Shape:
        case ControlKind::List:
            break; // no caption
        default:
            line += QStringLiteral(" text=%1").arg(quoted(s.text));
            break;
        }
        out(line);
    }

    void mouse(const QStringList& w) {
        if (w.size() != 4 && w.size() != 5) throw ScriptError("usage: mouse down|move|up|click X Y [NAME]");
        const QString target = w.size() == 5 ? w[4] : QStringLiteral("ImgDessin");
        requireControl(target);
        MouseEvent e;
        e.x = toInt(w[2]);
        e.y = toInt(w[3]);
        const QString& a = w[1];
        if (a == QLatin1String("down")) {
            e.action = MouseAction::Down;
            buttonHeld = true;
        } else if (a == QLatin1String("move")) {
            e.action = MouseAction::Move;
            e.leftButton = buttonHeld;
        } else if (a == QLatin1String("up")) {
            e.action = MouseAction::Up;
            buttonHeld = false;
        } else if (a == QLatin1String("click")) {
            e.action = MouseAction::Click;
        } else {
            throw ScriptError("unknown mouse action: " + a.toStdString());
        }
        if (!session->controls().userMouse(target, e)) refuse("mouse " + a, target);
    }

    void clipboard(const QStringList& w) {
        if (w.size() >= 3 && w[1] == QLatin1String("set")) {
            QFile file(path(w.mid(2).join(QLatin1Char(' '))));
            if (!file.open(QIODevice::ReadOnly))
                throw ScriptError("cannot read " + file.fileName().toStdString());
            fakes.clipboardText = readText(file.readAll());
        } else if (w.size() == 2 && w[1] == QLatin1String("print")) {
            if (!fakes.clipboardText) {
                out(QStringLiteral("clipboard: no text"));
                return;
            }
            QString text = *fakes.clipboardText;
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
            for (const QString& line : text.split(QLatin1Char('\n')))
                out(line);
        } else {
            throw ScriptError("usage: clipboard set PATH | clipboard print");
        }
    }

    void set(const QString& name, const QString& value) {
        requireControl(name);
        Controls& c = session->controls();
        const int v = toInt(value);
        bool done = false;
        switch (c.get(name).kind) {
        case ControlKind::Slider:
            done = c.userSetPosition(name, v);
            break;
        case ControlKind::RadioGroup:
            if (v < 0 || v >= c.get(name).items.size()) throw ScriptError("no item " + value.toStdString());
            done = c.userSetItemIndex(name, v);
            break;
        case ControlKind::CheckBox:
            done = c.userSetChecked(name, v != 0);
            break;
        default:
            throw ScriptError(name.toStdString() + " cannot be set");
        }
        if (!done) refuse(QStringLiteral("set"), name);
    }

    // Everything said so far reaches the output and the recovery file holds
    // the last change (a script runs faster than any hand), then the program
    // stops with nothing closed.
    [[noreturn]] void crash() {
        session->keeper().flush();
        std::fflush(stdout);
        std::_Exit(3);
    }

    // The work of an interrupted run is offered only to a script that answers
    // the question on its first command line, which then counts as done.
    int offerInterruptedWork(const QStringList& lines) {
        const qsizetype first = std::find_if(lines.begin(), lines.end(), isCommand) - lines.begin();
        QString line = lines.value(first);
        if (const qsizetype hash = line.indexOf(QLatin1Char('#')); hash > 0) line.truncate(hash);
        const QStringList w = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (w.size() < 2 || w[0] != QLatin1String("answer") || !session->keeper().interruptedWorkWaiting())
            return 0;
        fakes.answers.push_front(line.trimmed().mid(w[0].size()).trimmed());
        session->keeper().offerInterruptedWork();
        if (options.window) options.window->settle();
        if (options.afterCommand) options.afterCommand(line, session->document());
        return int(first) + 1;
    }

    static bool isCommand(const QString& line) {
        const QString text = line.trimmed();
        return !text.isEmpty() && !text.startsWith(QLatin1Char('#'));
    }

    void command(const QString& line) {
        const QStringList w = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QString& cmd = w[0];
        auto needs = [&](int n) {
            if (w.size() < n) throw ScriptError("missing arguments for " + cmd.toStdString());
        };
        Controls& c = session->controls();
        if (cmd == QLatin1String("window")) {
            needs(3);
            if (options.window)
                options.window->resize(toInt(w[1]), toInt(w[2]));
            else
                session->setClientSize(toInt(w[1]), toInt(w[2]));
        } else if (cmd == QLatin1String("click") || cmd == QLatin1String("down") ||
                   cmd == QLatin1String("up")) {
            needs(2);
            requireControl(w[1]);
            const bool done = cmd == QLatin1String("click")  ? c.userClick(w[1])
                              : cmd == QLatin1String("down") ? c.userMouseDown(w[1])
                                                             : c.userMouseUp(w[1]);
            if (!done) refuse(cmd, w[1]);
        } else if (cmd == QLatin1String("type")) {
            needs(2);
            requireControl(w[1]);
            if (c.get(w[1]).kind != ControlKind::Edit)
                throw ScriptError(w[1].toStdString() + " is not an edit");
            // The text is the rest of the line after the name, as typed.
            const QString rest = line.trimmed().mid(cmd.size()).trimmed().mid(w[1].size());
            if (!c.userType(w[1], rest.startsWith(QLatin1Char(' ')) ? rest.mid(1) : rest)) refuse(cmd, w[1]);
        } else if (cmd == QLatin1String("set")) {
            needs(3);
            set(w[1], w[2]);
        } else if (cmd == QLatin1String("mouse")) {
            mouse(w);
        } else if (cmd == QLatin1String("key")) {
            needs(3);
            requireControl(w[1]);
            // The same text the window sends for a key press, e.g. "Ctrl+W".
            // An unknown name reads as a key without a name: it must not pass as a key.
            auto named = [](const QString& text) {
                return QKeySequence::fromString(text, QKeySequence::PortableText)
                    .toString(QKeySequence::PortableText);
            };
            QString keys = named(w[2]);
            if (keys.isEmpty()) {
                // Also as a person writes them: "Page Down", "PageUp".
                QString written = w.mid(2).join(QLatin1Char(' '));
                written.replace(QLatin1String("PageUp"), QLatin1String("PgUp"))
                    .replace(QLatin1String("PageDown"), QLatin1String("PgDown"));
                keys = named(written);
            }
            if (keys.isEmpty()) throw ScriptError("unknown keys: " + w[2].toStdString());
            if (!c.userKey(w[1], keys)) refuse(cmd, w[1]);
        } else if (cmd == QLatin1String("answer")) {
            needs(2);
            fakes.answers.push_back(line.trimmed().mid(cmd.size()).trimmed());
        } else if (cmd == QLatin1String("clipboard")) {
            clipboard(w);
        } else if (cmd == QLatin1String("print")) {
            needs(2);
            requireControl(w[1]);
            printControl(w[1]);
        } else if (cmd == QLatin1String("list")) {
            needs(2);
            const QStringList* list = session->document().lists.find(w[1]);
            if (!list) throw ScriptError("no list named " + w[1].toStdString());
            for (const QString& l : *list)
                out(l);
        } else if (cmd == QLatin1String("picture")) {
            needs(2);
            const QString file = line.trimmed().mid(cmd.size()).trimmed();
            if (session->workPicture().isNull())
                out(QStringLiteral("error: picture: there is no work area yet"));
            else if (!session->workPicture().save(file, "PNG"))
                throw ScriptError("cannot write " + file.toStdString());
        } else if (cmd == QLatin1String("crash")) {
            crash();
        } else if (cmd == QLatin1String("screenshot")) {
            needs(2);
            const QString file = line.trimmed().mid(cmd.size()).trimmed();
            if (!options.window)
                out(QStringLiteral(
                    "error: screenshot: there is no window (run the desktop program with --script)"));
            else if (!options.window->screenshot(file))
                throw ScriptError("cannot write " + file.toStdString());
        } else {
            throw ScriptError("unknown command: " + cmd.toStdString());
        }
    }
};

ScriptRunner::ScriptRunner(ScriptOptions options) : state_(std::make_unique<State>()) {
    state_->options = std::move(options);
    ScriptedServices& f = state_->fakes;
    f.separator = state_->options.decimalSeparator.value_or(QLocale::system().decimalPoint().at(0));
    if (state_->options.today) f.today = *state_->options.today;
    f.resolvePath = [this](const QString& name) { return state_->existingPath(name); };
    f.report = [this](const QString& line) {
        if (state_->out) state_->out(line);
    };
    // English starts exactly as a stored English setting would.
    if (state_->options.language == 1)
        f.setValue(QStringLiteral("parametres"), QStringLiteral("Langue"), QStringLiteral("1"));
    if (state_->options.window) {
        state_->session = &state_->options.window->open(f.services());
    } else {
        state_->ownSession = std::make_unique<Session>(f.services());
        state_->session = state_->ownSession.get();
    }
    if (!state_->options.recoveryFolder.isEmpty())
        state_->session->keeper().keepIn(state_->options.recoveryFolder);
}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::run(const QStringList& lines, const std::function<void(const QString&)>& out) {
    state_->out = out;
    for (int i = state_->offerInterruptedWork(lines); i < lines.size(); ++i) {
        QString line = lines[i];
        const int hash = line.indexOf(QLatin1Char('#'));
        if (line.trimmed().startsWith(QLatin1Char('#'))) continue;
        if (hash > 0 && line.trimmed().split(QLatin1Char(' ')).first() != QLatin1String("type"))
            line.truncate(hash);
        if (line.trimmed().isEmpty()) continue;
        try {
            state_->command(line);
            if (state_->options.window) state_->options.window->settle();
            if (state_->options.afterCommand) state_->options.afterCommand(line, state_->session->document());
        } catch (const std::exception& e) {
            out(QStringLiteral("error: line %1: %2").arg(i + 1).arg(QString::fromStdString(e.what())));
            return 2;
        }
    }
    return 0;
}

std::optional<int> runScriptFile(const QStringList& arguments, ScriptOptions options) {
    if (arguments.isEmpty()) return std::nullopt;
    // Each option is a name and its value.
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QString& a = arguments[i];
        const QString value = arguments.value(i + 1);
        if (a == QLatin1String("--lang") && (value == QLatin1String("fr") || value == QLatin1String("en"))) {
            options.language = value == QLatin1String("en") ? 1 : 0;
        } else if (a == QLatin1String("--decimal-separator") && value.size() == 1) {
            options.decimalSeparator = value.at(0);
        } else if (a == QLatin1String("--date") && QDate::fromString(value, Qt::ISODate).isValid()) {
            options.today = QDate::fromString(value, Qt::ISODate);
        } else {
            return std::nullopt;
        }
    }
    QFile file;
    if (arguments[0] == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) return std::nullopt;
    } else {
        file.setFileName(arguments[0]);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "error: cannot read %s\n", qPrintable(arguments[0]));
            return 2;
        }
        options.baseFolder = QFileInfo(arguments[0]).absolutePath();
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    ScriptRunner runner(std::move(options));
    return runner.run(lines, [&out](const QString& line) {
        out << line << '\n';
        out.flush();
    });
}

} // namespace trajecta
