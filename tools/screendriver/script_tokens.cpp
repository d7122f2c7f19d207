#include "script_tokens.h"

namespace orvant::screendriver {

namespace {

class LineReader {
public:
    explicit LineReader(QStringView line) : line_(line) {}

    TokenizedLine read()
    {
        TokenizedLine result;
        while (skipBlanks() && line_[pos_] != u'#') {
            Token token;
            if (!readToken(token)) {
                result.error = error_;
                return result;
            }
            result.tokens.push_back(std::move(token));
        }
        return result;
    }

private:
    bool skipBlanks()
    {
        while (pos_ < line_.size() && line_[pos_].isSpace()) ++pos_;
        return pos_ < line_.size();
    }

    bool readToken(Token& token)
    {
        if (line_[pos_] == u'~' && pos_ + 1 < line_.size() && line_[pos_ + 1] == u'"') {
            token.fragment = true;
            ++pos_;
        }
        if (line_[pos_] != u'"') {
            while (pos_ < line_.size() && !line_[pos_].isSpace()) token.text += line_[pos_++];
            return true;
        }
        token.quoted = true;
        return readQuoted(token.text) && endsHere();
    }

    bool readQuoted(QString& text)
    {
        const qsizetype opening = pos_++;
        for (; pos_ < line_.size(); ++pos_) {
            const QChar c = line_[pos_];
            if (c == u'"') {
                ++pos_;
                return true;
            }
            if (c == u'\\' && pos_ + 1 < line_.size() && (line_[pos_ + 1] == u'"' || line_[pos_ + 1] == u'\\')) ++pos_;
            text += line_[pos_];
        }
        error_ = QStringLiteral("the quote opened at column %1 is not closed").arg(opening + 1);
        return false;
    }

    bool endsHere()
    {
        if (pos_ == line_.size() || line_[pos_].isSpace()) return true;
        error_ = QStringLiteral("a blank must follow the closing quote at column %1").arg(pos_);
        return false;
    }

    QStringView line_;
    qsizetype pos_ = 0;
    QString error_;
};

}  // namespace

QString Token::written() const
{
    if (!quoted) return text;
    return (fragment ? QStringLiteral("~") : QString()) + Quoted(text);
}

TokenizedLine TokenizeLine(QStringView line) { return LineReader(line).read(); }

QString Quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

}  // namespace orvant::screendriver
