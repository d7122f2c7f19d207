#include "command_line.h"

#include <charconv>

#include "company/installation.h"

namespace orvant::ctl {

const char* const kUsage =
    "Usage: orvantctl [--data-root DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  init                     set up the data root: shared tables, the user ADMIN, languages,\n"
    "                           terms and territories (writes the data root into the registry\n"
    "                           when the registry names none)\n"
    "  create-company N NAME    create company N with every table, a control record and periods\n"
    "  demo [N]                 make company N (default 1) a demo company\n"
    "  check [N]                report whether the books of company N (default 1) agree;\n"
    "                           exit status 1 when they do not\n"
    "  help                     show this text\n"
    "\n"
    "The data root is found in the registry ($ORVANT_REGISTRY, else ~/.config/Karbelo/registry.ini),\n"
    "else it is ~/.local/share/Orvant/data; --data-root overrides it for one call. The registry\n"
    "value `store` chooses the store engine (empty: embedded; a PostgreSQL connection string).\n";

namespace {

struct CommandName {
    const char* name;
    Command command;
    std::size_t least, most;  // arguments after the command
};

constexpr CommandName kCommands[] = {
    {"help", Command::Help, 0, 0},    {"init", Command::Init, 0, 0}, {"create-company", Command::CreateCompany, 2, 2},
    {"demo", Command::Demo, 0, 1},    {"check", Command::Check, 0, 1},
};

std::optional<int> companyNumber(const std::string& text)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1 || n > company::kLastCompanyNumber) return std::nullopt;
    return n;
}

Parsed refuse(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

Parsed ParseCommandLine(const std::vector<std::string>& arguments)
{
    Request request;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--data-root") {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) return refuse("--data-root needs a directory.");
            request.dataRoot = arguments[++i];
        } else if (a.rfind("--data-root=", 0) == 0) {
            request.dataRoot = a.substr(12);
            if (request.dataRoot->empty()) return refuse("--data-root needs a directory.");
        } else if (a == "-h" || a == "--help") {
            words.insert(words.begin(), "help");
        } else if (a.size() > 1 && a[0] == '-' && words.empty()) {
            return refuse("Unknown option " + a + ".");
        } else {
            words.push_back(a);
        }
    }
    if (words.empty()) return refuse("No command given.");

    const CommandName* found = nullptr;
    for (const CommandName& c : kCommands)
        if (words[0] == c.name) found = &c;
    if (!found) return refuse("Unknown command " + words[0] + ".");
    const std::size_t given = words.size() - 1;
    if (given < found->least || given > found->most)
        return refuse(std::string(found->name) + " takes " +
                      (found->least == found->most ? std::to_string(found->least) : "at most " + std::to_string(found->most)) +
                      " argument(s).");
    request.command = found->command;

    if (given >= 1 && request.command != Command::Help) {
        const auto n = companyNumber(words[1]);
        if (!n) return refuse("\"" + words[1] + "\" is not a company number (1 to " + std::to_string(company::kLastCompanyNumber) + ").");
        request.company = *n;
    }
    if (request.command == Command::CreateCompany) request.companyName = words[2];
    return {request, {}};
}

}  // namespace orvant::ctl
