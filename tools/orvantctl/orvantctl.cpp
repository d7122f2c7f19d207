#include "orvantctl.h"

#include <filesystem>
#include <iostream>
#include <sstream>

#include "aging_command.h"
#include "undo_command.h"
#include "command_line.h"
#include "company/books_check.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "company/users.h"
#include "options/enabled_options.h"
#include "options/rights.h"
#include "demo_history.h"
#include "demo_invoices.h"
#include "demo_purchases.h"
#include "demo_receipts.h"
#include "demo_sales.h"
#include "layout_command.h"
#include "password_input.h"
#include "post_disbursements.h"
#include "post_purchases.h"
#include "post_receipts.h"
#include "post_sales.h"
#include "settings/paths.h"
#include "settings/store_choice.h"
#include "store/error.h"

namespace orvant::ctl {

namespace {

constexpr int kDone = 0, kBooksDisagree = 1, kRefused = 2;
const std::string kDriveSuffix = "/Orvant/data";

std::string dataRootFor(const Request& request, const Registry& registry)
{
    if (!request.dataRoot) return DataRoot(registry).toStdString();
    std::string path = std::filesystem::absolute(*request.dataRoot).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The suite finds its data at datadrive + "/Orvant/data", so only such a root can be written
// into the registry as a drive.
void rememberDataRoot(const std::string& dataRoot, Registry& registry, std::ostream& out)
{
    if (registry.contains(kProductSection, u"datadrive")) return;
    const bool drivable = dataRoot.size() > kDriveSuffix.size() && dataRoot.ends_with(kDriveSuffix);
    if (!drivable) {
        out << "The registry names no data root, and " << dataRoot << " does not end in " << kDriveSuffix
            << ", so the registry was left as it is.\n";
        return;
    }
    const std::string drive = dataRoot.substr(0, dataRoot.size() - kDriveSuffix.size());
    if (registry.setValue(kProductSection, u"datadrive", QString::fromStdString(drive)))
        out << "Registry " << registry.path().toStdString() << ": datadrive = " << drive << "\n";
    else
        out << "The registry " << registry.path().toStdString() << " could not be written.\n";
}

int init(const company::Installation& installation, Registry& registry, std::ostream& out)
{
    const auto done = company::SetupDataRoot(installation);
    for (const std::string& line : done) out << line << "\n";
    out << "The data root " << installation.dataRoot << (done.empty() ? " was set up already.\n" : " is set up.\n");
    rememberDataRoot(installation.dataRoot, registry, out);
    return kDone;
}

int check(const company::Installation& installation, int company, std::ostream& out)
{
    const company::BooksReport report = company::CheckBooks(installation, company);
    for (const std::string& problem : report.problems) out << problem << "\n";
    out << "Company " << company << ": " << report.headers << " journal header(s), " << report.documents << " document(s), "
        << report.clients << " client(s), "
        << report.suppliers << " supplier(s) checked: ";
    if (report.clean()) {
        out << "the books agree.\n";
        return kDone;
    }
    out << report.problems.size() << " problem(s).\n";
    return kBooksDisagree;
}

// "all", "none", or option codes: each must name an option of the menus.
std::string rightsOf(const std::string& given)
{
    if (given == "all") return UserSecurity::full().stored();
    UserSecurity rights;
    if (given == "none") return rights.stored();
    std::stringstream codes(given);
    for (std::string code; std::getline(codes, code, ',');)
        if (!GrantOption(rights, QString::fromStdString(code)))
            throw company::SetupError("No option of the menus has the code \"" + code + "\".");
    return rights.stored();
}

int addUser(const company::Installation& installation, const Request& request, std::ostream& out)
{
    company::User user;
    user.code = request.userCode;
    user.name = request.userName;
    user.language = request.language;
    user.company = request.company;
    user.rights = rightsOf(request.rights);
    // "-" reads the password from the standard input, so it shows in no process list.
    std::string password = request.password;
    if (password == "-") {
        const auto typed = ReadPassword();
        if (!typed) throw company::SetupError("No password on the standard input.");
        password = *typed;
    }
    company::AddUser(installation, user, password);
    out << "User " << user.code << " (" << user.name << ") is added.\n";
    return kDone;
}

int listUsers(const company::Installation& installation, std::ostream& out)
{
    for (const company::User& u : company::ListUsers(installation)) {
        int rights = 0;
        for (unsigned char byte : u.rights) rights += __builtin_popcount(byte);
        out << u.code << "\t" << u.name << "\tlanguage " << u.language << "\tcompany " << u.company << "\t" << rights
            << " right(s)\n";
    }
    return kDone;
}

int run(const Request& request, std::ostream& out)
{
    Registry registry = Registry::open();
    const company::Installation installation{dataRootFor(request, registry), StoreChoice(registry)};
    switch (request.command) {
    case Command::Help: break;
    case Command::Init: return init(installation, registry, out);
    case Command::CreateCompany:
        company::CreateCompany(installation, request.company, request.companyName);
        out << "Company " << request.company << " \"" << request.companyName << "\" is created in "
            << installation.companyDir(request.company) << ".\n";
        return kDone;
    case Command::Demo: {
        company::MakeDemoCompany(installation, request.company);
        const int posted = PostDemoQuarter(installation, request.company, Date::today());
        const int receipts = PostDemoReceipts(installation, request.company);
        const int purchases = PostDemoPurchases(installation, request.company);
        const int invoices = AddDemoInvoices(installation, request.company);
        const int history = AddDemoHistory(installation, request.company, Date::today());
        out << "Company " << request.company << " is a demo company in " << installation.companyDir(request.company) << ", with "
            << posted << " sales documents, " << receipts << " cash receipts and " << purchases
            << " purchase documents posted over its last quarter.\n";
        out << "Its sales have " << invoices << " invoices, and its histories " << history
            << " entries of items settled the year before.\n";
        return kDone;
    }
    case Command::Check: return check(installation, request.company, out);
    case Command::UserAdd: return addUser(installation, request, out);
    case Command::UserList: return listUsers(installation, out);
    case Command::UserRemove:
        company::RemoveUser(installation, request.userCode);
        out << "User " << request.userCode << " is removed.\n";
        return kDone;
    case Command::PostSales: return PostSales(installation, registry, request, out);
    case Command::PostReceipts: return PostReceipts(installation, registry, request, out);
    case Command::PostDisbursements: return PostDisbursements(installation, registry, request, out);
    case Command::PostPurchases: return PostPurchases(installation, registry, request, out);
    case Command::LayoutExport: return ExportLayout(installation, request, out);
    case Command::LayoutImport: return ImportLayout(installation, request, out);
    }
    out << kUsage;
    return kDone;
}

}  // namespace

int RunOrvantctl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (IsAgingCommand(arguments)) return RunAgingCommand(arguments, out, err);
    if (IsUndoCommand(arguments)) return RunUndoCommand(arguments, out, err);
    const Parsed parsed = ParseCommandLine(arguments);
    if (!parsed.request) {
        err << "orvantctl: " << parsed.error << "\n\n" << kUsage;
        return kRefused;
    }
    try {
        return run(*parsed.request, out);
    } catch (const company::SetupError& e) {
        err << "orvantctl: " << e.what() << "\n";
    } catch (const store::StoreError& e) {
        err << "orvantctl: store error: " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "orvantctl: " << e.what() << "\n";
    }
    return kRefused;
}

}  // namespace orvant::ctl
