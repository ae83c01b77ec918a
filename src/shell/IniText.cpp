#include "shell/IniText.h"

namespace trajecta {

namespace {
bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

IniText IniText::parse(const QString& text) {
    IniText ini;
    Section* current = nullptr;
    for (const QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.front() == QLatin1Char(';') || line.front() == QLatin1Char('#')) continue;
        if (line.front() == QLatin1Char('[')) {
            if (line.back() != QLatin1Char(']')) {
                current = nullptr; // a damaged header: its keys belong nowhere
                continue;
            }
            const QString name = line.mid(1, line.size() - 2).trimmed().toString();
            current = ini.find(name);
            if (!current) {
                ini.sections_.append(Section{name, {}});
                current = &ini.sections_.back();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0) continue;
        const QString key = line.left(equals).trimmed().toString();
        if (key.isEmpty()) continue;
        bool known = false;
        for (const auto& entry : current->entries)
            known = known || same(entry.first, key);
        if (!known) current->entries.append({key, line.mid(equals + 1).trimmed().toString()});
    }
    return ini;
}

IniText::Section* IniText::find(const QString& section) {
    for (Section& s : sections_)
        if (same(s.name, section)) return &s;
    return nullptr;
}

const IniText::Section* IniText::find(const QString& section) const {
    for (const Section& s : sections_)
        if (same(s.name, section)) return &s;
    return nullptr;
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const {
    if (const Section* s = find(section))
        for (const auto& entry : s->entries)
            if (same(entry.first, key)) return entry.second;
    return std::nullopt;
}

void IniText::setValue(const QString& section, const QString& key, const QString& value) {
    Section* s = find(section);
    if (!s) {
        sections_.append(Section{section, {}});
        s = &sections_.back();
    }
    for (auto& entry : s->entries)
        if (same(entry.first, key)) {
            entry.second = value;
            return;
        }
    s->entries.append({key, value});
}

QString IniText::toText() const {
    QString text;
    for (const Section& s : sections_) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const auto& entry : s.entries)
            text += entry.first + QLatin1Char('=') + entry.second + QLatin1Char('\n');
    }
    return text;
}

} // namespace trajecta
