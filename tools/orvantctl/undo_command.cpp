#include "undo_command.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>

#include "company/company_creation.h"
#include "company/users.h"
#include "payables_undo.h"
#include "settings/paths.h"
#include "settings/registry.h"
#include "settings/store_choice.h"
#include "store/error.h"

namespace orvant::ctl {

const char* const kUndoUsage =
    "  undo list [--supplier CODE] [--company N]\n"
    "                           the supplier items an undo is chosen from (every supplier's\n"
    "                           without --supplier), each with its number\n"
    "  undo NUMBER --supplier CODE [--company N] [--user CODE] [--yes]\n"
    "                           undo the supplier's item of that number: a purchase with its\n"
    "                           notes, holdback and payments, or a payment with its whole set;\n"
    "                           what it removes is printed first, and only --yes carries it out\n"
    "                           (exit status 1 without it, 2 when refused)\n";

namespace {

struct UndoCall {
    std::map<std::string, std::string> values;
    bool confirmed = false;
    std::vector<std::string> words;  // "undo", then "list" or the item's number
    std::string error;

    std::optional<std::string> value(const std::string& name) const
    {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
};

bool takesValue(const std::string& option)
{
    return option == "--data-root" || option == "--company" || option == "--supplier" || option == "--user";
}

UndoCall readCall(const std::vector<std::string>& arguments)
{
    UndoCall call;
    for (std::size_t i = 0; i < arguments.size() && call.error.empty(); ++i) {
        const std::string& a = arguments[i];
        if (!a.starts_with("--")) {
            call.words.push_back(a);
            continue;
        }
        if (a == "--yes") {
            call.confirmed = true;
            continue;
        }
        const auto equals = a.find('=');
        const std::string name = a.substr(0, equals);
        if (!takesValue(name)) call.error = "Unknown option " + name + " for undo.";
        else if (equals != std::string::npos) call.values[name] = a.substr(equals + 1);
        else if (i + 1 < arguments.size()) call.values[name] = arguments[++i];
        else call.error = name + " needs a value.";
    }
    if (call.error.empty() && call.words.size() != 2) call.error = "undo takes list or an item's number.";
    return call;
}

std::optional<std::int64_t> numberOf(const std::string& text)
{
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n <= 0) return std::nullopt;
    return n;
}

std::string dataRootOf(const UndoCall& call, const Registry& registry)
{
    const auto given = call.value("--data-root");
    if (!given) return DataRoot(registry).toStdString();
    std::string path = std::filesystem::absolute(*given).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

void printItem(std::ostream& out, const vndundo::LedgerItem& item)
{
    out << "  " << item.seq << "  " << item.supplier << "  type " << item.type << "  invoice " << item.invoice
        << (item.reference.empty() ? "" : "  reference " + item.reference) << "  " << item.date.toIso() << "  "
        << item.amount.toString(2) << "\n";
}

void printCascade(std::ostream& out, const vndundo::UndoCascade& cascade)
{
    out << "Supplier " << cascade.selection.supplier << " " << cascade.supplierName << "\nItems removed:\n";
    for (const vndundo::LedgerItem& item : cascade.items) printItem(out, item);
    out << "Documents removed:\n";
    for (const vndundo::CascadeDocument& document : cascade.documents) {
        const vndundo::JournalPart& part = document.journal;
        out << "  " << (document.kind == vndundo::CascadeDocument::Kind::Payment ? "payment " + document.reference
                                                                                  : "type " + document.type + " " + document.invoice +
                                                                                        (document.reference.empty() ? "" : " " + document.reference))
            << "  " << document.date.toIso() << "  " << part.lines << " line(s) of journal " << part.journal << ", period " << part.period
            << (part.generalLedger ? " (general ledger)" : "") << (document.cheque ? "  cheque " + std::to_string(document.chequeNumber) + " voided" : "")
            << "\n";
    }
    if (!cascade.reopenedInvoices.empty()) {
        out << "Invoices reopened:";
        for (const std::string& invoice : cascade.reopenedInvoices) out << " " << invoice;
        out << "\n";
    }
    if (!cascade.generalLedgerPeriods.empty()) {
        out << "General-ledger periods rewritten:";
        for (const int period : cascade.generalLedgerPeriods) out << " " << period;
        out << "\n";
    }
    out << "Supplier balance change: " << cascade.balanceChange.toString(2) << "\n";
}

// The audit copies keep who undid them by the user's name, as a session names its user.
std::string undoUser(const company::Installation& installation, const UndoCall& call)
{
    const std::string code = call.value("--user").value_or("ADMIN");
    const auto user = company::FindUserByCode(*company::OpenDataRoot(installation), code);
    if (!user) throw company::SetupError("There is no user " + code + ".");
    return user->name;
}

int run(const UndoCall& call, std::ostream& out, std::ostream& err)
{
    int companyNumber = 1;
    if (const auto given = call.value("--company")) {
        const auto n = numberOf(*given);
        if (!n || *n > company::kLastCompanyNumber) {
            err << "orvantctl: \"" << *given << "\" is not a company number.\n";
            return 2;
        }
        companyNumber = static_cast<int>(*n);
    }
    const Registry registry = Registry::open();
    const company::Installation installation{dataRootOf(call, registry), StoreChoice(registry)};
    const std::string supplier = call.value("--supplier").value_or("");
    if (call.words[1] == "list") {
        const auto books = company::OpenCompany(installation, companyNumber);
        for (const vndundo::LedgerItem& item : vndundo::StatementItems(*books, supplier)) printItem(out, item);
        return 0;
    }
    const auto seq = numberOf(call.words[1]);
    if (!seq || supplier.empty()) {
        err << "orvantctl: undo takes an item's number and --supplier.\n";
        return 2;
    }
    const std::string user = undoUser(installation, call);
    const auto books = company::OpenCompany(installation, companyNumber);
    const auto cascade = vndundo::ComputeCascade(*books, {supplier, *seq});
    if (const auto* refused = std::get_if<vndundo::UndoRefusal>(&cascade)) {
        err << "orvantctl: refused: " << vndundo::RefusalText(*refused) << "\n";
        return 2;
    }
    printCascade(out, std::get<vndundo::UndoCascade>(cascade));
    if (!call.confirmed) {
        out << "Not undone: give --yes to undo it.\n";
        return 1;
    }
    out.flush();
    const auto done = vndundo::RunUndo(*books, std::get<vndundo::UndoCascade>(cascade), {user, {}});
    if (const auto* refused = std::get_if<vndundo::UndoRefusal>(&done)) {
        err << "orvantctl: refused: " << vndundo::RefusalText(*refused) << "\n";
        return 2;
    }
    out << "Undone: undo " << std::get<vndundo::UndoDone>(done).undoNumber << ".\n";
    return 0;
}

}  // namespace

bool IsUndoCommand(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (!a.starts_with("--")) return a == "undo";
        if (a.find('=') == std::string::npos && takesValue(a)) ++i;  // skip its value
    }
    return false;
}

int RunUndoCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") {
            out << "Usage: orvantctl [--data-root DIR] undo ...\n" << kUndoUsage;
            return 0;
        }
    }
    const UndoCall call = readCall(arguments);
    if (!call.error.empty()) {
        err << "orvantctl: " << call.error << "\n\nUsage: orvantctl [--data-root DIR] undo ...\n" << kUndoUsage;
        return 2;
    }
    try {
        return run(call, out, err);
    } catch (const store::StoreError& e) {
        err << "orvantctl: store error: " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "orvantctl: " << e.what() << "\n";
    }
    return 2;
}

}  // namespace orvant::ctl
