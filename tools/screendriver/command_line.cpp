#include "command_line.h"

#include <map>
#include <set>

#include "company/installation.h"

namespace orvant::screendriver {

const char* const kUsage =
    "Usage: screendriver --data-root DIR [--user CODE | --password TEXT] [--company N]\n"
    "                    [--language 1|2] [--modules DIR] [--languages DIR] [--timeout SECONDS]\n"
    "                    MODULE SCRIPT\n"
    "       screendriver --launcher --data-root DIR [--program PATH] [--modules DIR]\n"
    "                    [--languages DIR] [--timeout SECONDS] SCRIPT\n"
    "\n"
    "Runs the module library MODULE (rcvsales: DIR/rcvsales.so) in the session the launcher gives\n"
    "the user with that code (default ADMIN) or that password, plays SCRIPT against its screen\n"
    "and prints what happened. The company and the language are the user's unless --company or\n"
    "--language switch them as the launcher's menus would.\n"
    "With --launcher, starts the real launcher program (PATH, else the build tree's) on the data\n"
    "root, which must end in /Orvant/data, and plays SCRIPT in it: the login, the menus, the\n"
    "modules they open, one after the other.\n"
    "Modules come from $ORVANT_MODULES, else the build tree; language tables from\n"
    "$ORVANT_LANGUAGES, else the source tree. Each step waits up to --timeout seconds (default 5)\n"
    "for what it needs.\n"
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
    {"--password", [](Options& o, const QString& v) { o.password = v; return std::string(); }},
    {"--program", [](Options& o, const QString& v) { o.program = v; return std::string(); }},
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

// What the launcher's own login and menus decide.
const std::set<std::string> kSessionOptions = {"--user", "--password", "--company", "--language"};

ParsedArguments refuse(std::string why) { return {std::nullopt, false, std::move(why)}; }

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& arguments)
{
    Options options;
    std::vector<QString> positional;
    bool sessionChosen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        if (name == "--help" || name == "-h") return {std::nullopt, true, {}};
        if (name == "--launcher") {
            options.launcher = true;
            continue;
        }
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
        sessionChosen = sessionChosen || kSessionOptions.contains(name);
    }
    if (options.dataRoot.isEmpty()) return refuse("--data-root is required");
    if (options.launcher) {
        if (sessionChosen) return refuse("in the launcher the script signs in and chooses the company and the language");
        if (positional.size() != 1) return refuse("give the script, and nothing else");
        options.scriptFile = positional[0];
        return {options, false, {}};
    }
    if (!options.program.isEmpty()) return refuse("--program goes with --launcher");
    if (positional.size() != 2) return refuse("give the module and the script, and nothing else");
    options.module = positional[0];
    options.scriptFile = positional[1];
    return {options, false, {}};
}

}  // namespace orvant::screendriver
