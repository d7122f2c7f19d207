#pragma once
// What an orvantctl call asks for, read from its arguments. Reading never touches the books, so
// a mistyped call is refused before anything is opened.

#include <optional>
#include <string>
#include <vector>

namespace orvant::ctl {

enum class Command { Help, Init, CreateCompany, Demo, Check, UserAdd, UserList, UserRemove, PostSales, PostReceipts, PostDisbursements, PostPurchases,
                     LayoutExport, LayoutImport };

struct Request {
    Command command = Command::Help;
    std::optional<std::string> dataRoot;  // --data-root, as given
    int company = 1;                      // the company acted on, or the new user's company
    std::string companyName;
    // user add CODE NAME PASSWORD [--language N] [--company N] [--rights all|none]; user remove CODE
    std::string userCode, userName, password;
    int language = 1;
    std::string rights = "all";  // "all", "none", or option codes separated by commas
    // post sales|receipts|disbursements|purchases FILE [--company N] [--period N] [--user CODE] [--language 1|2] [--allow-repeats];
    // layout export|import FILE [--company N]
    std::string file;                 // "-": the standard input (the standard output for an export)
    std::optional<int> period;        // default: the current receivables period
    std::optional<std::string> postingUser;  // a user's code; their name is written on the entries
    bool allowRepeats = false;        // post notes, adjustments and cash sales that look posted already
};

struct Parsed {
    std::optional<Request> request;
    std::string error;  // why the arguments were refused, when there is no request
};

Parsed ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace orvant::ctl
