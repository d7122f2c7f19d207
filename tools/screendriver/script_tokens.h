#pragma once
// The words of one script line. Words are separated by blanks; a text with blanks is written in
// double quotes (\" and \\ inside stand for " and \); ~"text" is a fragment to look for rather
// than a whole text; a # that starts a word starts a comment running to the end of the line.

#include <QString>
#include <QStringView>
#include <vector>

namespace orvant::screendriver {

struct Token {
    QString text;
    bool quoted = false;
    bool fragment = false;  // written ~"text"

    // The token as a script writes it.
    QString written() const;
    bool operator==(const Token&) const = default;
};

struct TokenizedLine {
    std::vector<Token> tokens;
    QString error;  // why the line cannot be read; empty when it can
};

TokenizedLine TokenizeLine(QStringView line);

// A text in double quotes, with " and \ escaped: how scripts and transcripts show texts.
QString Quoted(const QString& text);

}  // namespace orvant::screendriver
