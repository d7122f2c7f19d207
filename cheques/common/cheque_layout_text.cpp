#include "cheque_layout_text.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

namespace orvant::cheques {

namespace {

constexpr const char* kStyles[] = {"normal", "bold", "underlined"};

std::string number(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string styleName(int style) { return kStyles[style == 1 || style == 2 ? style : 0]; }

// One statement: its first word and its key=value settings, each to be used once.
struct Statement {
    int line = 0;
    std::string verb;
    std::vector<std::string> words;  // words without "=", after the verb
    std::map<std::string, std::string> settings;

    [[noreturn]] void fail(const std::string& why) const { throw LayoutTextError(line, why); }

    std::optional<std::string> take(const std::string& key)
    {
        auto found = settings.find(key);
        if (found == settings.end()) return std::nullopt;
        std::string value = std::move(found->second);
        settings.erase(found);
        return value;
    }
    std::string required(const std::string& key)
    {
        auto value = take(key);
        if (!value) fail(verb + " needs " + key + "=");
        return *value;
    }
    double real(const std::string& key, const std::string& text) const
    {
        double value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        // "nan" and "inf" read as numbers but place nothing anywhere.
        if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
            fail(key + "=" + text + " is not a number");
        return value;
    }
    int whole(const std::string& key, const std::string& text) const
    {
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size()) fail(key + "=" + text + " is not a whole number");
        return value;
    }
    double realOf(const std::string& key) { return real(key, required(key)); }
    int wholeOf(const std::string& key) { return whole(key, required(key)); }
    int wholeOr(const std::string& key, int otherwise)
    {
        auto text = take(key);
        return text ? whole(key, *text) : otherwise;
    }
    void done() const
    {
        if (!settings.empty()) fail("unknown setting " + settings.begin()->first + "= for " + verb);
    }
};

// Splits a line into words; a value in double quotes may hold spaces, \" and \\.
Statement split(std::string_view text, int line)
{
    Statement statement;
    statement.line = line;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i == text.size() || text[i] == '#') break;
        std::string word;
        bool quotedValue = false;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') {
            if (text[i] != '"') {
                word += text[i++];
                continue;
            }
            quotedValue = true;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size()) ++i;
                word += text[i];
            }
            if (i == text.size()) statement.fail("a quoted text is not closed");
            ++i;
        }
        const auto equals = word.find('=');
        if (statement.verb.empty()) statement.verb = word;
        else if (equals == std::string::npos && !quotedValue) statement.words.push_back(word);
        else if (equals == std::string::npos) statement.fail("a quoted text must follow a setting's \"=\"");
        else if (!statement.settings.emplace(word.substr(0, equals), word.substr(equals + 1)).second)
            statement.fail(word.substr(0, equals) + "= is given twice");
    }
    return statement;
}

void readPage(Statement& s, ChequeLayout& layout)
{
    layout.pageLength = s.realOf("length");
    layout.pageWidth = s.realOf("width");
}

void readPart(Statement& s, ChequeLayout& layout, std::array<bool, 3>& seen)
{
    if (s.words.size() != 2) s.fail("write a part as: part N height=H cheque|stub");
    const int part = s.whole("part", s.words[0]);
    if (part < 1 || part > 3) s.fail("a part is 1, 2 or 3");
    if (seen[part - 1]) s.fail("part " + s.words[0] + " is given twice");
    seen[part - 1] = true;
    if (s.words[1] != "cheque" && s.words[1] != "stub") s.fail("a part is a cheque or a stub, not " + s.words[1]);
    layout.partHeights[part - 1] = s.realOf("height");
    // A stub's number only has to differ from the cheque's 0.
    layout.partRoles[part - 1] = s.words[1] == "cheque" ? 0 : part;
}

void readStubHeadings(Statement& s, ChequeLayout& layout)
{
    layout.headingLines = s.wholeOf("lines");
    layout.chequeHeadingLine = s.wholeOr("cheque-line", 0);
}

int styleOf(Statement& s)
{
    const auto name = s.take("style");
    if (!name) return 0;
    for (int style = 0; style < 3; ++style)
        if (*name == kStyles[style]) return style;
    s.fail("a style is normal, bold or underlined, not " + *name);
}

void readItem(Statement& s, ChequeLayout& layout)
{
    LayoutItem item;
    item.field = s.required("field");
    item.part = s.wholeOf("part");
    item.line = s.realOf("line");
    item.position = s.realOf("position");
    item.size = s.wholeOr("size", item.size);
    item.width = s.wholeOr("width", 0);
    item.style = styleOf(s);
    item.font = s.take("font").value_or("");
    layout.items.push_back(std::move(item));
}

}  // namespace

LayoutTextError::LayoutTextError(int line, const std::string& why)
    : std::invalid_argument("line " + std::to_string(line) + ": " + why), line_(line), reason_(why)
{
}

std::string LayoutToText(const ChequeLayout& layout)
{
    std::ostringstream out;
    out << "# Cheque form. Lengths and positions in inches; part 1 is the top of the page.\n";
    out << "page length=" << number(layout.pageLength) << " width=" << number(layout.pageWidth) << '\n';
    for (int p = 0; p < 3; ++p)
        out << "part " << p + 1 << " height=" << number(layout.partHeights[p])
            << (layout.partRoles[p] == 0 ? " cheque" : " stub") << '\n';
    out << "stub-headings lines=" << layout.headingLines << " cheque-line=" << layout.chequeHeadingLine << '\n';
    for (const LayoutItem& item : layout.items)
        out << "item part=" << item.part << " line=" << number(item.line) << " position=" << number(item.position)
            << " size=" << item.size << " width=" << item.width << " style=" << styleName(item.style)
            << " font=" << quoted(item.font) << " field=" << quoted(item.field) << '\n';
    return out.str();
}

ChequeLayout LayoutFromText(std::string_view text)
{
    ChequeLayout layout;
    // A part left out is an empty stub.
    layout.partRoles = {1, 2, 3};
    std::array<bool, 3> partsSeen{};
    bool pageSeen = false;
    int line = 0;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        Statement s = split(text.substr(start, end - start), line + 1);
        start = end + 1;
        if (s.verb.empty()) continue;
        if (s.verb == "page") {
            if (pageSeen) s.fail("the page is given twice");
            pageSeen = true;
            readPage(s, layout);
        } else if (s.verb == "part") {
            readPart(s, layout, partsSeen);
        } else if (s.verb == "stub-headings") {
            readStubHeadings(s, layout);
        } else if (s.verb == "item") {
            readItem(s, layout);
        } else {
            s.fail("unknown statement " + s.verb + " (page, part, stub-headings or item)");
        }
        if (s.verb != "part" && !s.words.empty()) s.fail("unexpected word " + s.words.front());
        s.done();
    }
    if (!pageSeen) throw LayoutTextError(line, "the page (page length= width=) is missing");
    return layout;
}

std::string DescribeLayoutProblem(const ChequeLayout& layout, const LayoutProblem& problem)
{
    const std::string item = problem.item >= 0 && problem.item < static_cast<int>(layout.items.size())
        ? "item " + std::to_string(problem.item + 1) + " (\"" + layout.items[problem.item].field + "\") "
        : "";
    switch (problem.fault) {
    case LayoutFault::PageSize: return "the page needs a length and a width, and its parts must fit in its length";
    case LayoutFault::ChequePart: return "exactly one part must be the cheque, and it must have a height";
    case LayoutFault::HeadingLine: return "the stubs' cheque line must be one of their heading lines";
    case LayoutFault::UnknownField: return item + "is a number that names no field (1 to 21); words after a number make it a label";
    case LayoutFault::ItemPart: return item + "lies in no part of the form";
    case LayoutFault::ItemOffPage: return item + "starts outside the page or below its part";
    case LayoutFault::ItemFont: return item + "needs a font size above 0 and a width of 0 or more";
    }
    return "the form cannot print a cheque";
}

}  // namespace orvant::cheques
