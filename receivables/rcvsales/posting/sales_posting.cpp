#include "sales_posting.h"

#include <algorithm>

#include "books/control_accounts.h"
#include "books/party_lock.h"
#include "sales_limits.h"

namespace orvant::sales {

namespace {

bool hasAmount(const DistributionRow& row) { return row.account != 0 && !(row.debit.isZero() && row.credit.isZero()); }

// The totals of the journal lines the rows make: each row's debit, or its credit when it has no
// debit.
DistributionTotals journalTotals(const Distribution& rows)
{
    DistributionTotals totals;
    for (const DistributionRow& row : rows.rows()) {
        if (!hasAmount(row)) continue;
        if (!row.debit.isZero()) totals.debit += row.debit;
        else totals.credit += row.credit;
    }
    return totals;
}

// The last word before anything is written, whatever the rows went through since they were
// checked: an entry with no line, or one whose lines do not balance, never reaches the journal.
std::optional<Refusal> checkLinesToWrite(const Distribution& rows)
{
    const auto& all = rows.rows();
    if (std::none_of(all.begin(), all.end(), hasAmount)) return Refusal{kNothingToPost, SalesField::Totals};
    if (!journalTotals(rows).balanced()) return Refusal{kOutOfBalance, SalesField::Totals};
    return std::nullopt;
}

std::string headerMemo(const SalesDocument& document, const std::optional<ClientFacts>& client)
{
    if (!client) return document.comment;
    return document.comment.empty() ? client->name : client->name + '\r' + document.comment;
}

}  // namespace

int SalesJournal(const std::optional<ClientFacts>& client)
{
    if (!client) return 1;
    return JournalNumber(Journal::Sales, client->currency).value_or(1);
}

SalesPosting::SalesPosting(SalesBooks& books)
    : books_(books), documents_(books.company(), "arori"), journal_(books.company()),
      ledger_(books.company(), Ledger::Receivables), taxReport_(books.company(), "taxrep", false)
{
    documents_.open();
}

SalesTotals SalesPosting::totals(const SalesDocument& document) const
{
    return HoldbackBasisOf(document.rows, taxAccounts(), books_.receivables());
}

HoldbackTaxAccounts SalesPosting::taxAccounts() const
{
    return {books_.settings().federalTaxAccount, books_.settings().provincialTaxAccounts};
}

std::vector<sidedialogs::TaxPerRateLine> SalesPosting::taxLinesToAsk(const SalesDocument& document) const
{
    if (books_.settings().taxSystem == 0) return {};
    return sidedialogs::TaxLinesFor(document.rows, books_.taxRates(), document.type == SalesType::Credit);
}

bool SalesPosting::asksHoldback(const SalesDocument& document)
{
    return !document.directCash && books_.holdbackAccounts().has_value();
}

bool SalesPosting::asksProjects(const SalesDocument&) const { return books_.settings().jobCosting; }

std::variant<PreparedDocument, Refusal> SalesPosting::prepare(const SalesDocument& document, PostingAnswers answers)
{
    PreparedDocument prepared{document, {}, {}, {}, {}};
    if (books_.settings().taxSystem != 0) {
        prepared.taxes = std::move(answers.taxes);
        sidedialogs::SignDebitedLines(prepared.taxes);
    }
    if (answers.holdback && asksHoldback(document)) {
        prepared.holdback =
            ApplyHoldback(prepared.document.rows, *answers.holdback, *books_.holdbackAccounts(), taxAccounts(), books_.receivables());
        if (prepared.holdback.status != HoldbackResult::Applied && prepared.holdback.status != HoldbackResult::Nothing)
            return Refusal{kHoldbackRefused, SalesField::Totals};
        prepared.holdbackDueDate = answers.holdback->dueDate;
        for (int row = kHoldbackRow; row < kDistributionRows; ++row)
            if (const int account = prepared.document.rows.row(row).account; account != 0)
                prepared.document.rows.setDescription(row, books_.accountDescription(account).value_or(std::string()));
    }
    if (asksProjects(document)) {
        if (auto refusal = sidedialogs::CheckProjectLines(books_.company(), answers.projects))
            return Refusal{static_cast<SalesMessage>(refusal->message), SalesField::ProjectLine, refusal->line};
        prepared.projects = std::move(answers.projects);
    }
    return prepared;
}

std::optional<Refusal> SalesPosting::write(const PreparedDocument& prepared, const PostingContext& context)
{
    const SalesDocument& document = prepared.document;
    if (auto refusal = CheckRowsWithinBooks(document.rows)) return refusal;
    if (auto refusal = checkLinesToWrite(document.rows)) return refusal;
    store::Table& clients = books_.clients();
    std::optional<ClientFacts> client;
    if (!document.directCash) {
        if (!LockParty(clients, document.client, context.lockRetry)) return Refusal{kNoSuchClient, SalesField::Client};
        client = ReadClient(clients);
    }
    const PartyLockRelease release(clients);

    if (client && client->creditHold) return Refusal{kClientOnCreditHold, SalesField::Client};
    const Money owed = ClientOwes(document.rows, prepared.holdback.receivable, books_.receivables());
    if (client)
        if (auto refusal = CheckClientWithinBooks(clients, document.type, owed)) return refusal;
    // A cash sale has no client to lock: its number and date are held instead while it is written.
    const auto cashSaleNumber =
        document.directCash ? store::HoldKeyWithLockRetry(documents_, {document.invoice, document.date}, context.lockRetry) : nullptr;
    store::Transaction transaction(books_.company(), store::OnRefusedWrite::SpoilTransaction);
    if (client)
        if (auto refusal = CheckInvoiceNumber(books_, client->code, document.type, document.invoice)) return refusal;
    // Asked before the client's lock: another workstation may have posted the same note since.
    if (!context.repeatAllowed && LooksPostedAlready(books_, document)) return Refusal{kPostedMeanwhile, SalesField::Invoice};
    try {
        writeRows(prepared, context, client);
        if (books_.settings().taxSystem != 0) sidedialogs::ReportTaxes(taxReport_, prepared.taxes, document.invoice, document.date);
        if (!prepared.projects.empty())
            sidedialogs::WriteProjectTransactions(books_.company(), prepared.projects,
                                                  {document.date, context.period, document.invoice,
                                                   client ? client->name : std::string(), context.projectDescription, context.user});
        addDocumentRecord(prepared, context);
    } catch (...) {
        // The transaction rolls back; a record left half made must not be saved by the next one.
        journal_.cancel();
        ledger_.cancel();
        documents_.cancel();
        throw;
    }
    transaction.commit();
    return std::nullopt;
}

// The document's totals into its journal header, then the rows in order, each a journal line
// (the lines written together at the end); the first receivable row brings the client's update
// and ledger entry, the holdback row the holdback's entry.
void SalesPosting::writeRows(const PreparedDocument& prepared, const PostingContext& context, const std::optional<ClientFacts>& client)
{
    const SalesDocument& document = prepared.document;
    const JournalKey key{context.period, SalesJournal(client), document.invoice, document.date};
    const JournalHeaderText header{headerMemo(document, client), context.user};
    const DistributionTotals totals = journalTotals(document.rows);
    journal_.addToHeader(key, header, totals.debit, totals.credit);
    std::vector<JournalLine> lines;
    bool clientDone = false;
    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (!hasAmount(row)) continue;
        lines.push_back({row.account, row.description, row.debit, row.credit});
        if (!client) continue;
        // A holdback of the whole receivable leaves the holdback row as the first to owe.
        const bool holdbackRow = i == kHoldbackRow && !prepared.holdback.receivable.isZero();
        if (!clientDone && (books_.receivables().isControlAccount(row.account) || holdbackRow)) {
            updateClient(prepared);
            addLedgerEntry(prepared, *client, context, false);
            clientDone = true;
        }
        if (holdbackRow) addLedgerEntry(prepared, *client, context, true);
    }
    journal_.addLines(key, lines);
}

// The balance takes the whole receivable, held back or not, so that it always equals the sum
// of the client's ledger entries.
void SalesPosting::updateClient(const PreparedDocument& prepared)
{
    const SalesDocument& document = prepared.document;
    const Money owed = ClientOwes(document.rows, prepared.holdback.receivable, books_.receivables());
    ClientRecord client(books_.clients());
    if (document.type == SalesType::Sale) client.recordSale(document.date, owed);
    client.moveBalance(owed);
    books_.clients().post();
}

void SalesPosting::addLedgerEntry(const PreparedDocument& prepared, const ClientFacts& client, const PostingContext& context,
                                  bool holdbackEntry)
{
    const SalesDocument& document = prepared.document;
    Money amount;
    for (const DistributionRow& row : document.rows.rows())
        if (books_.receivables().isControlAccount(row.account)) amount += row.debit - row.credit;
    LedgerEntry entry;
    entry.party = client.code;
    entry.invoice = document.invoice;
    entry.reference = document.isNote() ? document.reference : std::string();
    entry.date = document.date;
    entry.type = holdbackEntry ? kHoldbackTypeCode : TypeCode(document.type);
    entry.dueDate = holdbackEntry ? prepared.holdbackDueDate : document.dueDate;
    entry.amount = holdbackEntry ? prepared.holdback.receivable : amount;
    entry.memo = document.comment;
    entry.salesRep = client.salesRep;
    entry.provincialTax = holdbackEntry ? prepared.holdback.provincialTax : Money();
    entry.federalTax = holdbackEntry ? prepared.holdback.federalTax : Money();
    entry.holdback = holdbackEntry;
    entry.user = context.user;
    ledger_.add(entry);
}

void SalesPosting::addDocumentRecord(const PreparedDocument& prepared, const PostingContext& context)
{
    const SalesDocument& document = prepared.document;
    documents_.insert();
    documents_.field("Reference") = document.invoice;
    documents_.field("Client") = document.directCash ? std::string() : document.client;
    documents_.field("Date") = document.date;
    documents_.field("Due_date") = document.dueDate;
    documents_.field("Direct_cash_sale") = document.directCash;
    documents_.field("Trx_type") = std::string(TypeCode(document.type));
    documents_.field("Dr_cr_reference") = document.reference;
    documents_.field("Comments") = document.comment;
    documents_.field("Stamp") = DateTime::now();
    documents_.field("User") = context.user;
    documents_.field("DebitCredit") = document.isNote();
    documentSlots_.setAll(document.rows);
    documents_.post();
}

}  // namespace orvant::sales
