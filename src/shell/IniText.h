#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace trajecta {

// The text of a sections-and-keys settings file: "[section]" lines, each
// followed by "key=value" lines. Reading never fails: blank lines, comments
// (";" or "#"), lines that are neither and keys before the first section are
// skipped. Sections and keys are found whatever their case; of two equal keys
// in one section the first counts. Values are trimmed.
class IniText {
  public:
    static IniText parse(const QString& text);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the value of an existing key, or adds the key at the end of its
    // section (the section at the end of the text when it is new).
    void setValue(const QString& section, const QString& key, const QString& value);
    bool isEmpty() const { return sections_.isEmpty(); }
    // One "[section]" line and its "key=value" lines per section, in order,
    // with a blank line between sections and "\n" line ends.
    QString toText() const;

  private:
    struct Section {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    Section* find(const QString& section);
    const Section* find(const QString& section) const;

    QList<Section> sections_;
};

} // namespace trajecta
