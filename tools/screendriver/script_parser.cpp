#include "script.h"

#include <QStringList>
#include <span>

#include "script_tokens.h"

namespace orvant::screendriver {

namespace {

struct ParseFailure {
    QString message;
};

// The arguments of one step, taken in order; a missing or unfit one ends the reading with the
// step's usage.
class Arguments {
public:
    Arguments(std::span<const Token> tokens, const char* usage) : tokens_(tokens), usage_(QString::fromLatin1(usage)) {}

    std::size_t count() const { return tokens_.size(); }

    // Names and texts read alike; the two names say which is which in the grammar below.
    QString name() { return plain(next()).text; }
    QString text() { return plain(next()).text; }
    TextMatch match()
    {
        const Token& t = next();
        return {t.text, t.fragment};
    }
    int number()
    {
        const Token& t = plain(next());
        bool ok = false;
        const int n = t.text.toInt(&ok);
        if (!ok || n < 0) refuse(QStringLiteral("%1 is not a number of 0 or more").arg(t.written()));
        return n;
    }
    KeyChord key()
    {
        const Token& t = plain(next());
        const auto chord = ParseKeyName(t.text);
        if (!chord) refuse(QStringLiteral("%1 is not a key the driver knows").arg(t.written()));
        return *chord;
    }
    // One of the given words, in any case; its index.
    int oneOf(const QStringList& words)
    {
        const Token& t = plain(next());
        for (int i = 0; i < words.size(); ++i)
            if (t.text.compare(words[i], Qt::CaseInsensitive) == 0) return i;
        refuse(QStringLiteral("%1 is none of %2").arg(t.written(), words.join(u'|')));
    }
    void end()
    {
        if (index_ < tokens_.size()) refuse(QStringLiteral("too many arguments"));
    }

    [[noreturn]] void refuse(const QString& why) const { throw ParseFailure{why + QStringLiteral("; usage: ") + usage_}; }

private:
    const Token& next()
    {
        if (index_ == tokens_.size()) refuse(QStringLiteral("an argument is missing"));
        return tokens_[index_++];
    }
    const Token& plain(const Token& t) const
    {
        if (t.fragment) refuse(QStringLiteral("%1: only an expected text can be a ~fragment").arg(t.written()));
        return t;
    }

    std::span<const Token> tokens_;
    QString usage_;
    std::size_t index_ = 0;
};

using Reader = StepAction (*)(Arguments&);

struct Grammar {
    const char* keyword;
    const char* usage;
    Reader read;
};

const QStringList kOnOff{QStringLiteral("off"), QStringLiteral("on")};
const QStringList kReplies{QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel"), QStringLiteral("Ok")};

template <class Action>
Action finished(Arguments& a, Action action)
{
    a.end();
    return action;
}

// Arguments in braces are read left to right, as they are written.
const Grammar kGrammar[] = {
    {"form", "form NAME", [](Arguments& a) -> StepAction { return finished(a, step::Form{a.name()}); }},
    {"type", "type CONTROL \"text\"", [](Arguments& a) -> StepAction { return finished(a, step::Type{a.name(), a.text()}); }},
    {"key", "key [CONTROL] KEY",
     [](Arguments& a) -> StepAction { return finished(a, step::Key{a.count() > 1 ? a.name() : QString(), a.key()}); }},
    {"click", "click CONTROL", [](Arguments& a) -> StepAction { return finished(a, step::Click{a.name()}); }},
    {"check", "check CONTROL on|off",
     [](Arguments& a) -> StepAction { return finished(a, step::Check{a.name(), a.oneOf(kOnOff) == 1}); }},
    {"choose", "choose CONTROL \"item\"",
     [](Arguments& a) -> StepAction { return finished(a, step::Choose{a.name(), a.text()}); }},
    {"cell", "cell CONTROL ROW COLUMN \"text\"",
     [](Arguments& a) -> StepAction { return finished(a, step::Cell{a.name(), a.number(), a.number(), a.text()}); }},
    {"answer", "answer Yes|No|Cancel|Ok",
     [](Arguments& a) -> StepAction { return finished(a, step::Answer{static_cast<Reply>(a.oneOf(kReplies))}); }},
    {"pick", "pick \"code\"", [](Arguments& a) -> StepAction { return finished(a, step::Pick{a.text()}); }},
    {"snapshot", "snapshot \"file.png\"", [](Arguments& a) -> StepAction { return finished(a, step::Snapshot{a.text()}); }},
    {"menu", "menu CODE|\"caption\"", [](Arguments& a) -> StepAction { return finished(a, step::Menu{a.text()}); }},
    {"expect message", "expect message N",
     [](Arguments& a) -> StepAction { return finished(a, step::ExpectMessage{a.number()}); }},
    {"expect error-form", "expect error-form [CATEGORY CODE]",
     [](Arguments& a) -> StepAction {
         if (a.count() == 0) return step::ExpectErrorForm{};
         return finished(a, step::ExpectErrorForm{a.text(), a.text()});
     }},
    {"expect caption", "expect caption \"text\"|~\"fragment\"",
     [](Arguments& a) -> StepAction { return finished(a, step::ExpectCaption{a.match()}); }},
    {"expect text", "expect text CONTROL \"text\"|~\"fragment\"",
     [](Arguments& a) -> StepAction { return finished(a, step::ExpectText{a.name(), a.match()}); }},
    {"expect focus", "expect focus CONTROL", [](Arguments& a) -> StepAction { return finished(a, step::ExpectFocus{a.name()}); }},
    {"expect enabled", "expect enabled CONTROL",
     [](Arguments& a) -> StepAction { return finished(a, step::ExpectEnabled{a.name(), true}); }},
    {"expect disabled", "expect disabled CONTROL",
     [](Arguments& a) -> StepAction { return finished(a, step::ExpectEnabled{a.name(), false}); }},
    {"expect closed", "expect closed", [](Arguments& a) -> StepAction { return finished(a, step::ExpectClosed{}); }},
};

// Steps that act on a control or read one need a form to look in.
bool needsForm(const StepAction& action)
{
    if (const auto* key = std::get_if<step::Key>(&action)) return !key->control.isEmpty();
    return !(std::holds_alternative<step::Form>(action) || std::holds_alternative<step::Answer>(action) ||
             std::holds_alternative<step::Pick>(action) || std::holds_alternative<step::Menu>(action) ||
             std::holds_alternative<step::ExpectMessage>(action) ||
             std::holds_alternative<step::ExpectErrorForm>(action) || std::holds_alternative<step::ExpectClosed>(action));
}

QString writtenLine(const std::vector<Token>& tokens)
{
    QStringList words;
    for (const Token& t : tokens) words << t.written();
    return words.join(u' ');
}

StepAction readStep(const std::vector<Token>& tokens)
{
    const bool expectation = tokens[0].text == u"expect" && !tokens[0].quoted;
    if (expectation && tokens.size() < 2)
        throw ParseFailure{QStringLiteral("expect what? message, error-form, caption, text, focus, enabled, disabled or closed")};
    const std::size_t keywordWords = expectation ? 2 : 1;
    const QString keyword = expectation ? tokens[0].text + u' ' + tokens[1].text : tokens[0].text;
    for (const Grammar& g : kGrammar) {
        if (keyword != QLatin1String(g.keyword)) continue;
        Arguments arguments(std::span<const Token>(tokens).subspan(keywordWords), g.usage);
        return g.read(arguments);
    }
    throw ParseFailure{QStringLiteral("there is no step \"%1\"").arg(keyword)};
}

}  // namespace

ParsedScript ParseScript(const QString& text)
{
    ParsedScript parsed;
    bool formNamed = false;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const TokenizedLine tokenized = TokenizeLine(lines[i]);
        try {
            if (!tokenized.error.isEmpty()) throw ParseFailure{tokenized.error};
            if (tokenized.tokens.empty()) continue;
            StepAction action = readStep(tokenized.tokens);
            if (needsForm(action) && !formNamed) throw ParseFailure{QStringLiteral("no form yet: a form step must come first")};
            formNamed = formNamed || std::holds_alternative<step::Form>(action);
            parsed.steps.push_back({line, writtenLine(tokenized.tokens), std::move(action)});
        } catch (const ParseFailure& failure) {
            return {{}, ScriptError{line, failure.message}};
        }
    }
    return parsed;
}

}  // namespace orvant::screendriver
