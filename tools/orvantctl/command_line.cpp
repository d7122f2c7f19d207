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
    "  demo [N]                 make company N (default 1) a demo company, with a quarter of\n"
    "                           sales, notes, adjustments and cash sales posted to its clients,\n"
    "                           a few of its clients' payments as cash receipts, and purchases\n"
    "                           from its suppliers; the invoicing application's invoices, current\n"
    "                           and archived, with their lines and items, and the older entries\n"
    "                           of the client and supplier histories\n"
    "  check [N]                report whether the books of company N (default 1) agree;\n"
    "                           exit status 1 when they do not\n"
    "  user add CODE NAME PASSWORD [--language 0|1|2] [--company N] [--rights RIGHTS]\n"
    "                           add a user (password at most 10 characters, compared in\n"
    "                           capitals; kept only as a salted hash; \"-\" reads it from the\n"
    "                           standard input); RIGHTS is all (the\n"
    "                           default), none, or the codes of the options the user may run,\n"
    "                           separated by commas (rcvsales,rcvreceipts,rcvclients)\n"
    "  user list                list the users\n"
    "  user remove CODE         remove a user (never the last one, nor the last holding every right)\n"
    "  post sales FILE [--company N] [--period N] [--user CODE] [--language 1|2] [--allow-repeats]\n"
    "                           post the sales documents of FILE (\"-\": the standard input),\n"
    "                           one JSON record per line, through the sales screen's checks;\n"
    "                           each refused document is named with its line and reason\n"
    "                           (in English, or French with --language 2) and nothing of it\n"
    "                           is written; exit status 2 when any was refused. A note or\n"
    "                           adjustment already in the books (same client, type, invoice\n"
    "                           and reference) or a direct cash sale of a number and date\n"
    "                           already in the books is refused as already posted, unless\n"
    "                           --allow-repeats is given. --user: whose name the entries\n"
    "                           carry (default IMPORT). Exit status 3 when the store can take\n"
    "                           no more (a full disk, a lost connection): the import stops,\n"
    "                           whole documents only, and the same file posts the rest later\n"
    "  post receipts FILE [--company N] [--period N] [--user CODE] [--language 1|2] [--allow-repeats]\n"
    "                           post the cash receipts of FILE the same way, through the cash\n"
    "                           receipts screen's checks; a receipt of a client, reference and\n"
    "                           date already in the books is refused unless --allow-repeats\n"
    "  post purchases FILE [--company N] [--period N] [--user CODE] [--language 1|2] [--allow-repeats]\n"
    "                           post the purchase documents of FILE the same way, through the\n"
    "                           purchases screen's checks\n"
    "  post disbursements FILE [--company N] [--period N] [--user CODE] [--language 1|2] [--allow-repeats]\n"
    "                           post the cash disbursements of FILE the same way, through the\n"
    "                           disbursements screen's checks; a disbursement of a supplier,\n"
    "                           reference and date already in the books is refused unless\n"
    "                           --allow-repeats\n"
    "  undo list | undo NUMBER --supplier CODE [--yes]\n"
    "                           undo a posted purchase or payment with all that goes with it;\n"
    "                           orvantctl undo --help tells more\n"
    "  layout export FILE [--company N]\n"
    "                           write the cheque form of company N (default 1) to FILE as\n"
    "                           text (\"-\": the standard output): its page, its three parts\n"
    "                           and the items printed on them; the default form when the\n"
    "                           company has not described its own\n"
    "  layout import FILE [--company N]\n"
    "                           make the text of FILE (\"-\": the standard input) the cheque\n"
    "                           form of company N; a form that cannot print a cheque (not\n"
    "                           exactly one cheque part, an unknown field code, an item off\n"
    "                           the page) is refused with its reason and the form in use stays\n"
    "  aging [OPTIONS] --pdf FILE | --csv FILE\n"
    "                           the aging of the clients' accounts as the aging screen prints\n"
    "                           it; orvantctl aging --help lists its options\n"
    "  help                     show this text\n"
    "\n"
    "The data root is found in the registry ($ORVANT_REGISTRY, else ~/.config/Karbelo/registry.ini),\n"
    "else it is ~/.local/share/Orvant/data; --data-root overrides it for one call. The registry\n"
    "value `store` chooses the store engine (empty: embedded; a PostgreSQL connection string).\n"
    "On PostgreSQL a data root's books are named after its path: workstations that share them\n"
    "use the same datadrive.\n";

namespace {

struct CommandName {
    const char* name;
    Command command;
    std::size_t least, most;  // arguments after the command
    bool firstIsCompany;      // the first argument is a company number
};

constexpr CommandName kCommands[] = {
    {"help", Command::Help, 0, 0, false},         {"init", Command::Init, 0, 0, false},
    {"create-company", Command::CreateCompany, 2, 2, true},
    {"demo", Command::Demo, 0, 1, true},           {"check", Command::Check, 0, 1, true},
    {"user add", Command::UserAdd, 3, 3, false},  {"user list", Command::UserList, 0, 0, false},
    {"user remove", Command::UserRemove, 1, 1, false}, {"post sales", Command::PostSales, 1, 1, false},
    {"post receipts", Command::PostReceipts, 1, 1, false},
    {"post disbursements", Command::PostDisbursements, 1, 1, false},
    {"post purchases", Command::PostPurchases, 1, 1, false},
    {"layout export", Command::LayoutExport, 1, 1, false},
    {"layout import", Command::LayoutImport, 1, 1, false},
};

std::optional<int> number(const std::string& text, int least, int most)
{
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < least || n > most) return std::nullopt;
    return n;
}

std::optional<int> companyNumber(const std::string& text) { return number(text, 1, company::kLastCompanyNumber); }

Parsed refuse(std::string why) { return {std::nullopt, std::move(why)}; }

// The options that take a value, each with what it sets.
struct Options {
    std::optional<std::string> dataRoot, language, company, rights, period, user;
    bool allowRepeats = false;
};

std::optional<std::string>* optionSlot(Options& options, const std::string& name)
{
    if (name == "--data-root") return &options.dataRoot;
    if (name == "--language") return &options.language;
    if (name == "--company") return &options.company;
    if (name == "--rights") return &options.rights;
    if (name == "--period") return &options.period;
    if (name == "--user") return &options.user;
    return nullptr;
}

// Splits the arguments into options (--name VALUE or --name=VALUE) and words.
std::string readOptions(const std::vector<std::string>& arguments, Options& options, std::vector<std::string>& words)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "-h" || a == "--help") {
            words.insert(words.begin(), "help");
            continue;
        }
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            words.push_back(a);
            continue;
        }
        const auto equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (name == "--allow-repeats") {  // a flag
            if (equals != std::string::npos) return name + " takes no value.";
            options.allowRepeats = true;
            continue;
        }
        auto* slot = optionSlot(options, name);
        if (!slot) return "Unknown option " + name + ".";
        std::string value;
        if (equals != std::string::npos) value = a.substr(equals + 1);
        else if (i + 1 < arguments.size()) value = arguments[++i];
        if (value.empty()) return name + " needs a value.";
        *slot = value;
    }
    return {};
}

const CommandName* findCommand(std::vector<std::string>& words)
{
    // "user add", "post sales" and the like are two words.
    if (words.size() >= 2 && (words[0] == "user" || words[0] == "post" || words[0] == "layout")) {
        words[0] += " " + words[1];
        words.erase(words.begin() + 1);
    }
    for (const CommandName& c : kCommands)
        if (words[0] == c.name) return &c;
    return nullptr;
}

std::string applyUserOptions(const Options& options, Request& request)
{
    if (options.language) {
        const auto n = number(*options.language, 0, 2);
        if (!n) return "--language takes 0, 1 or 2.";
        request.language = *n;
    }
    if (options.company) {
        const auto n = companyNumber(*options.company);
        if (!n) return "\"" + *options.company + "\" is not a company number.";
        request.company = *n;
    }
    if (options.rights) request.rights = *options.rights;
    return {};
}

std::string applyPostOptions(const Options& options, Request& request)
{
    if (options.language) {
        const auto n = number(*options.language, 1, 2);
        if (!n) return "--language takes 1 (English) or 2 (French) with post sales and post receipts.";
        request.language = *n;
    }
    if (options.company) {
        const auto n = companyNumber(*options.company);
        if (!n) return "\"" + *options.company + "\" is not a company number.";
        request.company = *n;
    }
    if (options.period) {
        const auto n = number(*options.period, 0, 13);
        if (!n) return "--period takes a period number from 0 to 13.";
        request.period = *n;
    }
    if (options.user) {
        if (options.user->size() > 10) return "--user takes a user code of at most 10 characters.";
        request.postingUser = *options.user;
    }
    request.allowRepeats = options.allowRepeats;
    return {};
}

}  // namespace

Parsed ParseCommandLine(const std::vector<std::string>& arguments)
{
    Options options;
    std::vector<std::string> words;
    if (const std::string fault = readOptions(arguments, options, words); !fault.empty()) return refuse(fault);
    if (words.empty()) return refuse("No command given.");
    const CommandName* found = findCommand(words);
    if (!found) return refuse("Unknown command " + words[0] + ".");
    const std::size_t given = words.size() - 1;
    if (given < found->least || given > found->most)
        return refuse(std::string(found->name) + " takes " +
                      (found->least == found->most ? std::to_string(found->least) : "at most " + std::to_string(found->most)) +
                      " argument(s).");
    const bool userOptions = options.language || options.company || options.rights;
    const bool postOptions = options.period || options.user || options.allowRepeats;
    const bool posts = found->command == Command::PostSales || found->command == Command::PostReceipts ||
                       found->command == Command::PostDisbursements || found->command == Command::PostPurchases;
    const bool layout = found->command == Command::LayoutExport || found->command == Command::LayoutImport;
    if (layout) {
        if (options.language || options.rights || postOptions) return refuse("layout export and layout import take only --company.");
    } else if (posts) {
        if (options.rights) return refuse("--rights goes with user add.");
    } else if (postOptions) {
        return refuse("--period, --user and --allow-repeats go with post sales and post receipts.");
    } else if (userOptions && found->command != Command::UserAdd) {
        return refuse("--language, --company and --rights go with user add.");
    }

    Request request;
    request.command = found->command;
    request.dataRoot = options.dataRoot;
    if (given >= 1 && found->firstIsCompany) {
        const auto n = companyNumber(words[1]);
        if (!n) return refuse("\"" + words[1] + "\" is not a company number (1 to " + std::to_string(company::kLastCompanyNumber) + ").");
        request.company = *n;
    }
    if (request.command == Command::CreateCompany) request.companyName = words[2];
    if (request.command == Command::UserRemove) request.userCode = words[1];
    if (request.command == Command::UserAdd) {
        request.userCode = words[1];
        request.userName = words[2];
        request.password = words[3];
        if (const std::string fault = applyUserOptions(options, request); !fault.empty()) return refuse(fault);
    }
    if (layout) {
        request.file = words[1];
        if (options.company) {
            const auto n = companyNumber(*options.company);
            if (!n) return refuse("\"" + *options.company + "\" is not a company number.");
            request.company = *n;
        }
    }
    if (posts) {
        request.file = words[1];
        if (const std::string fault = applyPostOptions(options, request); !fault.empty()) return refuse(fault);
    }
    return {request, {}};
}

}  // namespace orvant::ctl
