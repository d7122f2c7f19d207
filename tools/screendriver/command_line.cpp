#include "command_line.h"

#include <map>

#include "company/installation.h"

namespace orvant::screendriver {

const char* const kUsage =
    "Usage: screendriver --data-root DIR [--company N] [--user NAME] [--language 1|2]\n"
    "                    [--modules DIR] [--languages DIR] [--timeout SECONDS] MODULE SCRIPT\n"
    "\n"
    "Runs the module library MODULE (rcvsales: DIR/rcvsales.so) on company N (default 1) of the\n"
    "data root, plays SCRIPT against its screen and prints what happened. The user defaults to\n"
    "ADMIN and the language to 1 (English). Modules come from $ORVANT_MODULES, else the build\n"
    "tree; language tables from $ORVANT_LANGUAGES, else the source tree. Each step waits up to\n"
    "--timeout seconds (default 5) for what it needs.\n"
    "\n"
    "Exit status: 0 every expectation was met, 1 a step failed, 2 bad arguments or script.\n";

namespace {

// Takes the option's value; says what is wrong with it, or nothing.
using Setter = std::string (*)(Options&, const QString&);

std::optional<int> wholeNumber(const QString& text, int least, int most)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < least || n > most) return std::nullopt;
    return n;
}

const std::map<std::string, Setter> kOptions = {
    {"--data-root", [](Options& o, const QString& v) { o.dataRoot = v; return std::string(); }},
    {"--user", [](Options& o, const QString& v) { o.user = v; return std::string(); }},
    {"--modules", [](Options& o, const QString& v) { o.modulesDir = v; return std::string(); }},
    {"--languages", [](Options& o, const QString& v) { o.languagesDir = v; return std::string(); }},
    {"--company",
     [](Options& o, const QString& v) {
         const auto n = wholeNumber(v, 1, company::kLastCompanyNumber);
         if (!n) return std::string("--company takes a company number from 1 to 32767");
         o.company = *n;
         return std::string();
     }},
    {"--language",
     [](Options& o, const QString& v) {
         const auto n = wholeNumber(v, 1, 2);
         if (!n) return std::string("--language takes 1 (English) or 2 (French)");
         o.language = *n;
         return std::string();
     }},
    {"--timeout",
     [](Options& o, const QString& v) {
         bool ok = false;
         const double seconds = v.toDouble(&ok);
         if (!ok || seconds <= 0) return std::string("--timeout takes a number of seconds above 0");
         o.timeout = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
         return std::string();
     }},
};

ParsedArguments refuse(std::string why) { return {std::nullopt, false, std::move(why)}; }

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments)
{
    Options options;
    std::vector<QString> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        if (name == "--help" || name == "-h") return {std::nullopt, true, {}};
        if (!name.starts_with("-")) {
            positional.push_back(QString::fromStdString(name));
            continue;
        }
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto option = kOptions.find(name);
        if (option == kOptions.end()) return refuse("there is no option " + name);
        if (!value && i + 1 < arguments.size()) value = arguments[++i];
        if (!value || value->empty()) return refuse(name + " needs a value");
        if (std::string problem = option->second(options, QString::fromStdString(*value)); !problem.empty()) return refuse(problem);
    }
    if (options.dataRoot.isEmpty()) return refuse("--data-root is required");
    if (positional.size() != 2) return refuse("give the module and the script, and nothing else");
    options.module = positional[0];
    options.scriptFile = positional[1];
    return {options, false, {}};
}

}  // namespace orvant::screendriver
