#include "company/books_check.h"

#include "books/control_accounts.h"
#include "company/books_check_parts.h"
#include "company/company_creation.h"
#include "store/table.h"

namespace orvant::company {

namespace check {

namespace {

std::array<int, 5> controlAccounts(store::Table& control, Ledger ledger)
{
    std::array<int, 5> accounts{};
    if (control.isEmpty()) return accounts;
    for (int currency = 0; currency < 5; ++currency)
        accounts[currency] = static_cast<int>(control.field(std::string(*ControlAccountField(ledger, currency))).asInt());
    return accounts;
}

}  // namespace

BooksAccounts ReadBooksAccounts(store::Database& books)
{
    BooksAccounts accounts;
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    accounts.receivables.control = controlAccounts(control, Ledger::Receivables);
    accounts.payables.control = controlAccounts(control, Ledger::Payables);
    store::Table jobCost(books, "jcctrl");
    jobCost.open();
    jobCost.first();
    if (!jobCost.isEmpty()) {
        accounts.receivables.holdback = static_cast<int>(jobCost.field("JcCtrl_ARHoldBackAccnt").asInt());
        for (const char* field : {"JcCtrl_GSTHoldBackAccnt", "JcCtrl_PSTHoldBackAccnt"})
            if (const int account = static_cast<int>(jobCost.field(field).asInt()); account != 0)
                accounts.receivables.holdbackTaxes.push_back(account);
    }
    return accounts;
}

int JournalCurrency(int journal) { return journal < 10 ? 0 : journal % 10 - 1; }

std::string NumberList(const std::vector<int>& numbers)
{
    std::string list;
    for (int n : numbers) list += (list.empty() ? "" : ", ") + std::to_string(n);
    return list.empty() ? "NULL" : list;
}

}  // namespace check

BooksReport CheckBooks(store::Database& books)
{
    const check::BooksAccounts accounts = check::ReadBooksAccounts(books);
    BooksReport report;
    check::CheckJournal(books, report);
    check::CheckLedgers(books, accounts, report);
    check::CheckDocuments(books, accounts, report);
    check::CheckTaxReport(books, accounts, report);
    return report;
}

BooksReport CheckBooks(const Installation& installation, int company)
{
    const auto books = OpenCompany(installation, company);
    return CheckBooks(*books);
}

}  // namespace orvant::company
