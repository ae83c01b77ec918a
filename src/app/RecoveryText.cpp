#include "app/RecoveryText.h"

#include <QCryptographicHash>

namespace trajecta {

namespace {

const QByteArray firstLine = "Trajecta recovery 1";

QByteArray digest(const QByteArray& bytes) {
    return "sha256 " + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

void putEscaped(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    qsizetype from = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\\' && c != '\r' && c != '\n') continue;
        out.append(bytes.constData() + from, i - from);
        out += '\\';
        out += c == '\r' ? 'r' : c == '\n' ? 'n' : '\\';
        from = i + 1;
    }
    out.append(bytes.constData() + from, bytes.size() - from);
    out += '\n';
}

std::optional<QString> unescaped(const QByteArray& bytes) {
    QByteArray plain;
    plain.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\') {
            plain += bytes[i];
            continue;
        }
        const char next = ++i < bytes.size() ? bytes[i] : '\0';
        if (next != '\\' && next != 'r' && next != 'n') return std::nullopt;
        plain += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
    }
    return QString::fromUtf8(plain);
}

void putList(QByteArray& out, const char* name, const QStringList& lines) {
    out += name;
    out += ' ' + QByteArray::number(lines.size()) + '\n';
    for (const QString& line : lines)
        putEscaped(out, line);
}

// Reads the file's lines in order; every read fails once one has.
class LineReader {
  public:
    explicit LineReader(QList<QByteArray> lines) : lines_(std::move(lines)) {}
    std::optional<int> number(const QByteArray& name) {
        const QByteArray line = next();
        bool ok = false;
        const int value = line.startsWith(name + ' ') ? line.mid(name.size() + 1).toInt(&ok) : 0;
        if (!ok || value < 0) failed_ = true;
        return failed_ ? std::nullopt : std::optional<int>(value);
    }
    std::optional<Step> step(const QByteArray& name) {
        const std::optional<int> value = number(name);
        if (!value || *value > int(Step::Finished)) return std::nullopt;
        return Step(*value);
    }
    std::optional<QStringList> list(const QByteArray& name) {
        const std::optional<int> count = number(name);
        QStringList lines;
        for (int i = 0; count && i < *count && !failed_; ++i) {
            const std::optional<QString> line = unescaped(next());
            if (!line) failed_ = true;
            lines << line.value_or(QString());
        }
        return failed_ ? std::nullopt : std::optional<QStringList>(lines);
    }
    QByteArray next() {
        if (at_ >= lines_.size()) failed_ = true;
        return failed_ ? QByteArray() : lines_[at_++];
    }
    bool atEnd() const { return !failed_ && at_ == lines_.size(); }

  private:
    QList<QByteArray> lines_;
    qsizetype at_ = 0;
    bool failed_ = false;
};

} // namespace

QByteArray recoveryText(const RecoveryContent& content) {
    QByteArray out = firstLine + '\n';
    out += "step " + QByteArray::number(int(content.step)) + '\n';
    out += "reached " + QByteArray::number(int(content.reached)) + '\n';
    putList(out, "object", content.object);
    putList(out, "curve", content.curve);
    return out + digest(out) + '\n';
}

std::optional<RecoveryContent> readRecoveryText(const QByteArray& bytes) {
    if (!bytes.endsWith('\n')) return std::nullopt;
    const qsizetype last = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    const QByteArray body = bytes.left(last);
    if (last == 0 || bytes.mid(last) != digest(body) + '\n') return std::nullopt;
    QList<QByteArray> lines = body.split('\n');
    lines.removeLast(); // after the body's last line break
    LineReader reader(std::move(lines));
    if (reader.next() != firstLine) return std::nullopt;
    RecoveryContent content;
    const std::optional<Step> step = reader.step("step");
    const std::optional<Step> reached = reader.step("reached");
    std::optional<QStringList> object = reader.list("object");
    std::optional<QStringList> curve = reader.list("curve");
    if (!step || !reached || !object || !curve || !reader.atEnd()) return std::nullopt;
    return RecoveryContent{*step, *reached, std::move(*object), std::move(*curve)};
}

} // namespace trajecta
