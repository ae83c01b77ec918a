#pragma once

#include <QStringView>

namespace trajecta::svg {

// A reading position in an attribute's text, with the small grammar that path
// data, transforms and lengths share: white space, commas between numbers,
// and numbers as SVG writes them ("-1.5e3", ".5", "1." but not "1e").
class TextCursor {
  public:
    explicit TextCursor(QStringView text) : text_(text) {}

    qsizetype position() const { return pos_; }
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }
    void advance() { ++pos_; }
    // Takes `c` when it comes next.
    bool take(QChar c);

    void skipSpaces();
    // Spaces, then at most one comma and the spaces after it.
    void skipSeparator();
    // A number starts here: a digit, a sign or a point.
    bool atNumber() const;
    // Reads a finite number; on failure the position stays where it was. A
    // number too small for a double reads as 0; one too large is refused.
    bool number(double& value);
    // An arc's flag: the single character 0 or 1.
    bool flag(bool& value);

  private:
    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace trajecta::svg
