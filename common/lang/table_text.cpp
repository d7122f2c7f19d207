#include "lang/table_text.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace orvant::lang {

TableSyntaxError::TableSyntaxError(const QString& source, int line, const QString& fault)
    : std::runtime_error(QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(fault).toStdString()), line_(line)
{
}

namespace {

// Characters as the table's widths count them: code points, whatever their UTF-8 length.
qsizetype characterCount(QStringView text) { return text.toUcs4().size(); }

QStringView withoutLeadingSpaces(QStringView text)
{
    const auto start = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
    return text.sliced(start - text.begin());
}

bool isName(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
}

std::optional<ControlKind> kindNamed(QStringView word)
{
    static constexpr std::pair<QStringView, ControlKind> kKinds[] = {
        {u"memo", ControlKind::Memo},
        {u"grid", ControlKind::Grid},
        {u"radiogroup", ControlKind::RadioGroup},
        {u"combobox", ControlKind::ComboBox},
        {u"checklist", ControlKind::CheckList},
    };
    for (const auto& [name, kind] : kKinds)
        if (word.compare(name, Qt::CaseInsensitive) == 0) return kind;
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(const QString& source) : source_(source), table_(source) {}

    LanguageTable parse(const QByteArray& text)
    {
        for (const QByteArray& bytes : text.split('\n')) {
            ++lineNumber_;
            readLine(decoded(bytes));
        }
        closeBlock();
        return std::move(table_);
    }

private:
    QString decoded(const QByteArray& bytes) const
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);  // a line is whole
        QString line = decoder.decode(bytes);
        if (decoder.hasError()) fail(QStringLiteral("the text is not valid UTF-8"));
        if (line.endsWith(u'\r')) line.chop(1);
        return line;
    }

    void readLine(QStringView line)
    {
        const QStringView text = withoutLeadingSpaces(line);
        if (text.isEmpty() || text.startsWith(u'#')) return;
        if (text.startsWith(u'[')) return openBlock(text.trimmed());
        if (!block_) fail(QStringLiteral("text before the first block; a block starts with [Form] or [Form.Control]"));
        if (text.startsWith(u'|')) return addLine(text.sliced(1));
        const qsizetype colon = text.indexOf(u':');
        if (colon < 0) fail(QStringLiteral("expected a field \"name: value\", a \"|\" line or a [block]"));
        readField(text.first(colon).trimmed(), text.sliced(colon + 1).trimmed());
    }

    void openBlock(QStringView header)
    {
        closeBlock();
        if (!header.endsWith(u']')) fail(QStringLiteral("the block's names must end with \"]\""));
        const QStringView names = header.sliced(1, header.size() - 2);
        const qsizetype dot = names.indexOf(u'.');
        LanguageRow row;
        row.formName = checkedName(names.first(dot < 0 ? names.size() : dot), kFormNameWidth, u"form");
        row.controlName = dot < 0 ? row.formName : checkedName(names.sliced(dot + 1), kControlNameWidth, u"control");
        row.sourceLine = lineNumber_;
        block_ = std::move(row);
        fieldsGiven_.clear();
    }

    void closeBlock()
    {
        if (!block_) return;
        if (!table_.add(*block_)) {
            const LanguageRow* first = table_.find(block_->formName, block_->controlName);
            fail(block_->sourceLine, QStringLiteral("[%1.%2] is given twice; first at line %3")
                                         .arg(block_->formName, block_->controlName)
                                         .arg(first->sourceLine));
        }
        block_.reset();
    }

    void readField(QStringView name, QStringView value)
    {
        const QString field = name.toString().toLower();
        if (fieldsGiven_.contains(field)) fail(QStringLiteral("%1 is given twice in this block").arg(field));
        if (field == u"caption") block_->caption = checkedText(value, kCaptionWidth, field);
        else if (field == u"hint") block_->hint = checkedText(value, kHintWidth, field);
        else if (field == u"kind") block_->kind = checkedKind(value);
        else fail(QStringLiteral("unknown field \"%1\"; the fields are caption, hint and kind").arg(name));
        fieldsGiven_.insert(field);
    }

    void addLine(QStringView afterBar)
    {
        block_->lines.append((afterBar.startsWith(u' ') ? afterBar.sliced(1) : afterBar).toString());
    }

    QString checkedName(QStringView name, int width, QStringView what) const
    {
        if (name.isEmpty()) fail(QStringLiteral("the %1 name is missing").arg(what));
        if (!isName(name))
            fail(QStringLiteral("\"%1\" is not a %2 name: names are letters, digits and _").arg(name).arg(what));
        if (characterCount(name) > width)
            fail(QStringLiteral("%1 name \"%2\" has %3 characters; at most %4")
                     .arg(what).arg(name).arg(characterCount(name)).arg(width));
        return name.toString();
    }

    QString checkedText(QStringView text, int width, const QString& field) const
    {
        if (characterCount(text) > width)
            fail(QStringLiteral("%1 has %2 characters; at most %3").arg(field).arg(characterCount(text)).arg(width));
        return text.toString();
    }

    ControlKind checkedKind(QStringView word) const
    {
        if (block_->isForm()) fail(QStringLiteral("a form's own block has no kind"));
        const std::optional<ControlKind> kind = kindNamed(word);
        if (!kind)
            fail(QStringLiteral("unknown kind \"%1\"; the kinds are memo, grid, radiogroup, combobox and checklist")
                     .arg(word));
        return *kind;
    }

    [[noreturn]] void fail(const QString& fault) const { fail(lineNumber_, fault); }
    [[noreturn]] void fail(int line, const QString& fault) const { throw TableSyntaxError(source_, line, fault); }

    QString source_;
    LanguageTable table_;
    int lineNumber_ = 0;
    std::optional<LanguageRow> block_;  // the block being read, added to the table when it ends
    QSet<QString> fieldsGiven_;         // in that block
};

}  // namespace

LanguageTable ParseLanguageTable(const QByteArray& text, const QString& source) { return Parser(source).parse(text); }

}  // namespace orvant::lang
