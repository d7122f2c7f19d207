#include "books/json_amounts.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace orvant::json {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The end of the string token starting at `open` (the position after its closing quote).
std::size_t stringEnd(std::string_view json, std::size_t open)
{
    std::size_t at = open + 1;
    while (at < json.size() && json[at] != '"') at += json[at] == '\\' ? 2 : 1;
    return at + 1;
}

// The text a string token stands for, escapes read.
std::string decoded(std::string_view token)
{
    if (token.find('\\') == std::string_view::npos) return std::string(token.substr(1, token.size() - 2));
    const QByteArray list = "[" + QByteArray(token.data(), static_cast<qsizetype>(token.size())) + "]";
    return QJsonDocument::fromJson(list).array().at(0).toString().toStdString();
}

bool startsNumber(char c) { return c == '-' || (c >= '0' && c <= '9'); }

bool inNumber(char c) { return startsNumber(c) || c == '+' || c == '.' || c == 'e' || c == 'E'; }

}  // namespace

std::string QuoteNumbersOf(std::string_view json, const AmountFields& keys)
{
    std::string out;
    out.reserve(json.size() + 16);
    bool afterAmountKey = false;  // the next value is an amount's
    for (std::size_t at = 0; at < json.size();) {
        const char c = json[at];
        if (c == '"') {
            const std::size_t end = stringEnd(json, at);
            const std::string_view token = json.substr(at, end - at);
            std::size_t next = end;
            while (next < json.size() && isSpace(json[next])) ++next;
            afterAmountKey = next < json.size() && json[next] == ':' && keys.contains(decoded(token));
            out += token;
            at = end;
        } else if (startsNumber(c)) {
            std::size_t end = at;
            while (end < json.size() && inNumber(json[end])) ++end;
            const std::string_view number = json.substr(at, end - at);
            if (afterAmountKey) out += '"' + std::string(number) + '"';
            else out += number;
            afterAmountKey = false;
            at = end;
        } else {
            if (!isSpace(c) && c != ':') afterAmountKey = false;
            out += c;
            ++at;
        }
    }
    return out;
}

}  // namespace orvant::json
