#include "receipt_posting.h"

#include <algorithm>

#include "books/client_record.h"
#include "books/control_accounts.h"
#include "books/party_lock.h"
#include "books/text_cut.h"

namespace orvant::receipts {

namespace {

int lineOf(const Distribution& rows, int account)
{
    const auto& all = rows.rows();
    const auto found = std::find_if(all.begin(), all.end(), [&](const DistributionRow& r) { return r.account == account; });
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

// The line after the last one used; -1 when the distribution is full.
int freeLine(const Distribution& rows)
{
    for (int i = rows.rowCount() - 1; i >= 0; --i)
        if (!rows.row(i).isEmpty()) return i + 1 < rows.rowCount() ? i + 1 : -1;
    return 0;
}

// The share of a holdback's tax a payment collects; the whole of what is left when the payment
// takes the whole item.
Money taxShare(Money tax, const OpenItem& item)
{
    if (item.payment == item.amount) return tax;
    const Int128 scaled = static_cast<Int128>(tax.raw()) * item.payment.raw();
    return Money::fromCents(divideRounded(scaled, static_cast<Int128>(item.amount.raw()) * 100));
}

std::string headerMemo(const ReceiptDocument& receipt, const std::optional<ClientFacts>& client)
{
    if (!client) return receipt.memo;
    return receipt.memo.empty() ? client->name : client->name + '\r' + receipt.memo;
}

// Adds debit less credit `change` to the line of the account, adding the line when missing; the
// line's net amount goes to the column it falls in. False when no line is left to add.
class LineMover {
public:
    LineMover(ReceiptBooks& books, Distribution& rows) : books_(books), rows_(rows) {}

    bool move(int account, Money change)
    {
        int i = lineOf(rows_, account);
        if (i < 0) {
            if ((i = freeLine(rows_)) < 0) return false;
            rows_.setAccount(i, account, FirstCharacters(books_.accountDescription(account).value_or(std::string()), kRowDescriptionWidth));
        }
        const Money net = rows_.row(i).debit - rows_.row(i).credit + change;
        rows_.setDebit(i, Money());
        rows_.setCredit(i, Money());
        if (net.isNegative()) rows_.setCredit(i, -net);
        else rows_.setDebit(i, net);
        return true;
    }

private:
    ReceiptBooks& books_;
    Distribution& rows_;
};

// Takes the holdbacks paid out of the holdback accounts: the receivable holdback is credited
// instead of the receivable, and the share of each tax held back goes from its holdback account
// back to its tax account.
std::optional<Refusal> collectHoldbacks(ReceiptBooks& books, PreparedReceipt& prepared, const ClientFacts& client)
{
    const std::optional<HoldbackCollectionAccounts> accounts = books.holdbackAccounts();
    const std::optional<int> receivable = books.receivables().accountFor(client.currency);
    if (!accounts || !receivable) return std::nullopt;
    LineMover lines(books, prepared.document.rows);
    const auto& items = prepared.document.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const OpenItem& item = items[i];
        if (!item.holdback || item.payment <= Money()) continue;
        bool room = lines.move(*receivable, item.payment) && lines.move(accounts->receivable, -item.payment);
        HoldbackCollection collection{static_cast<int>(i), {}, {}};
        const int federalTax = books.settings().federalTaxAccount, provincialTax = books.provincialTaxAccountOf(client);
        // A tax held back goes back to its tax account: both must be in the chart, or the
        // holdback would close with its tax still held.
        const auto lacking = [&](Money held, int holdbackAccount, int taxAccount) {
            return !held.isZero() && !(books.accountExists(holdbackAccount) && books.accountExists(taxAccount));
        };
        if (lacking(item.federalTax, accounts->federalHoldback, federalTax) ||
            lacking(item.provincialTax, accounts->provincialHoldback, provincialTax))
            return Refusal{kNoSuchAccount, ReceiptField::Totals};
        if (!item.federalTax.isZero()) {
            collection.federalTax = taxShare(item.federalTax, item);
            room = room && lines.move(accounts->federalHoldback, collection.federalTax) && lines.move(federalTax, -collection.federalTax);
        }
        if (!item.provincialTax.isZero()) {
            collection.provincialTax = taxShare(item.provincialTax, item);
            room = room && lines.move(accounts->provincialHoldback, collection.provincialTax) &&
                   lines.move(provincialTax, -collection.provincialTax);
        }
        if (!room) return Refusal{kTooManyLines, ReceiptField::Totals};
        prepared.collections.push_back(collection);
    }
    return std::nullopt;
}

const HoldbackCollection* collectionOf(const PreparedReceipt& prepared, int item)
{
    for (const HoldbackCollection& c : prepared.collections)
        if (c.item == item) return &c;
    return nullptr;
}

}  // namespace

int ReceiptJournal(ReceiptBooks& books, const ReceiptDocument& receipt, const std::optional<ClientFacts>& client)
{
    if (client) return JournalNumber(Journal::Receipts, client->currency).value_or(2);
    for (const DistributionRow& row : receipt.rows.rows())
        if (books.isBankAccount(row.account)) return JournalNumber(Journal::Receipts, books.accountCurrency(row.account)).value_or(2);
    return 2;
}

Money ReceivableMovement(ReceiptBooks& books, const Distribution& rows, int currency)
{
    const int own = books.receivables().accountFor(currency).value_or(0);
    const int holdback = books.settings().holdbackReceivableAccount;
    Money moved;
    for (const DistributionRow& row : rows.rows())
        if (row.account != 0 && (row.account == own || row.account == holdback)) moved += row.debit - row.credit;
    return moved;
}

ReceiptPosting::ReceiptPosting(ReceiptBooks& books)
    : books_(books), headers_(books.company(), "crorihdr"), details_(books.company(), "croridet"),
      bankLines_(books.company()), journal_(books.company()), ledger_(books.company(), Ledger::Receivables),
      taxReport_(books.company(), "taxrep", false)
{
    headers_.open();
    details_.open();
}

std::vector<sidedialogs::TaxPerRateLine> ReceiptPosting::taxLinesToAsk(const ReceiptDocument& receipt) const
{
    if (books_.settings().taxSystem == 0) return {};
    return sidedialogs::TaxLinesFor(receipt.rows, books_.taxRates(), false);
}

std::variant<PreparedReceipt, Refusal> ReceiptPosting::prepare(const ReceiptDocument& receipt, PostingAnswers answers)
{
    return prepare(receipt, std::move(answers), receipt.fromClient() ? books_.findClient(receipt.client) : std::nullopt);
}

std::variant<PreparedReceipt, Refusal> ReceiptPosting::prepare(const ReceiptDocument& receipt, PostingAnswers answers,
                                                               const std::optional<ClientFacts>& client)
{
    PreparedReceipt prepared{receipt, 2, {}, {}};
    if (receipt.fromClient() && !client) return Refusal{kNoSuchClient, ReceiptField::Client};
    if (!receipt.fromClient()) prepared.document.items.clear();
    prepared.journal = ReceiptJournal(books_, receipt, client);
    if (books_.settings().taxSystem != 0) {
        prepared.taxes = std::move(answers.taxes);
        sidedialogs::SignDebitedLines(prepared.taxes);
    }
    if (client)
        if (auto refusal = collectHoldbacks(books_, prepared, *client)) return *refusal;
    return prepared;
}

std::optional<Refusal> ReceiptPosting::write(const PreparedReceipt& prepared, const PostingContext& context)
{
    const ReceiptDocument& receipt = prepared.document;
    if (!JournalTotals(receipt.rows).balanced()) return Refusal{kOutOfBalance, ReceiptField::Totals};
    store::Table& clients = books_.clients();
    std::optional<ClientFacts> client;
    if (receipt.fromClient()) {
        if (!LockParty(clients, receipt.client, context.lockRetry)) return Refusal{kNoSuchClient, ReceiptField::Client};
        client = ReadClient(clients);
    }
    const PartyLockRelease release(clients);

    // A receipt from no client has no client to lock: its reference and date are held instead.
    const auto receiptNumber =
        client ? nullptr : store::HoldKeyWithLockRetry(headers_, {receipt.reference, receipt.date}, context.lockRetry);
    store::Transaction transaction(books_.company(), store::OnRefusedWrite::SpoilTransaction);
    if (!context.repeatAllowed && books_.receiptExists(client ? client->code : std::string(), receipt.reference, receipt.date))
        return Refusal{kAlreadyPosted, ReceiptField::Reference};
    Money owed;
    if (client) {
        if (auto refusal = checkItemsAgain(prepared)) return refusal;
        owed = ReceivableMovement(books_, receipt.rows, client->currency);
        const std::optional<Money> balance = CheckedAdd(clients.field("Cli_current_bal").asMoney(), owed);
        if (!balance || !WithinBooks(*balance))
            return Refusal{kBeyondBooksLimit, ReceiptField::Totals};
    }
    try {
        const std::int64_t headerSeq = writeLines(prepared, context, client);
        if (client) writeClientEntries(prepared, context, *client, headerSeq, owed);
        if (books_.settings().taxSystem != 0) sidedialogs::ReportTaxes(taxReport_, prepared.taxes, receipt.reference, receipt.date);
    } catch (...) {
        // The transaction rolls back; a record left half made must not be saved by the next one.
        journal_.cancel();
        ledger_.cancel();
        headers_.cancel();
        details_.cancel();
        bankLines_.cancel();
        throw;
    }
    transaction.commit();
    return std::nullopt;
}

// Every item paid must owe, and have held back, what it did when the receipt was entered: an
// item paid meanwhile from another workstation is never paid twice.
std::optional<Refusal> ReceiptPosting::checkItemsAgain(const PreparedReceipt& prepared)
{
    const auto& items = prepared.document.items;
    const std::vector<OpenItem> now = books_.openItemReader().items(prepared.document.client, PaidInvoices(items));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const OpenItem& item = items[i];
        if (item.payment.isZero()) continue;
        const auto found = std::find_if(now.begin(), now.end(), [&](const OpenItem& o) { return o.sameItem(item); });
        if (found == now.end() || found->amount != item.amount || found->federalTax != item.federalTax ||
            found->provincialTax != item.provincialTax)
            return Refusal{kPaidMeanwhile, ReceiptField::OpenItem, static_cast<int>(i)};
        if (auto refusal = CheckPayment(item, static_cast<int>(i))) return refusal;
    }
    return std::nullopt;
}

// The journal (its header once, then a line per line with an amount, the lines written together),
// a bank reconciliation line per bank line, and the receipt's history with every line in its
// slot. Gives the history's number.
std::int64_t ReceiptPosting::writeLines(const PreparedReceipt& prepared, const PostingContext& context,
                                        const std::optional<ClientFacts>& client)
{
    const ReceiptDocument& receipt = prepared.document;
    const JournalKey key{context.period, prepared.journal, receipt.reference, receipt.date};
    const DistributionTotals totals = JournalTotals(receipt.rows);
    if (!totals.debit.isZero() || !totals.credit.isZero())
        journal_.addToHeader(key, {headerMemo(receipt, client), context.user}, totals.debit, totals.credit);
    headers_.insert();
    headers_.field("Reference") = receipt.reference;
    headers_.field("Client") = client ? client->code : std::string();
    headers_.field("Date") = receipt.date;
    headers_.field("Not_from_cli") = !client.has_value();
    headers_.field("Nsf_cheque") = client && receipt.nsfCheque;
    headers_.field("Comments") = receipt.memo;
    headers_.field("User") = context.user;
    headers_.field("Stamp") = DateTime::now();
    std::vector<JournalLine> lines;
    for (int i = 0; i < receipt.rows.rowCount(); ++i) {
        const DistributionRow& row = receipt.rows.row(i);
        headerSlots_.set(i + 1, row.account, row.debit, row.credit);
        if (!row.postsAmount()) continue;
        lines.push_back({row.account, row.description, row.debit, row.credit});
        if (!books_.isBankAccount(row.account)) continue;
        bankLines_.add({kBankLineReceipt, row.account, receipt.reference, client ? client->code : std::string(),
                        client ? client->name : receipt.memo, receipt.date, row.debit - row.credit});
    }
    journal_.addLines(key, lines);
    headers_.post();
    return headers_.field("Seq").asInt();
}

// A ledger entry per payment and a history line per payment above 0, the entry of what the
// payments leave of the receivable's movement (the entries written together, then the lines),
// then the client's balance and statistics.
void ReceiptPosting::writeClientEntries(const PreparedReceipt& prepared, const PostingContext& context, const ClientFacts& client,
                                        std::int64_t headerSeq, Money owed)
{
    const ReceiptDocument& receipt = prepared.document;
    ClientPayment payment{receipt.date, owed, 0, 0, receipt.nsfCheque};
    Money paid;
    std::vector<LedgerEntry> entries;
    std::vector<const OpenItem*> detailed;
    for (std::size_t i = 0; i < receipt.items.size(); ++i) {
        const OpenItem& item = receipt.items[i];
        if (item.payment.isZero()) continue;
        const HoldbackCollection* collection = collectionOf(prepared, static_cast<int>(i));
        entries.push_back({client.code, item.invoice, receipt.reference, receipt.date, receipt.date, kPaymentType, -item.payment,
                           receipt.memo, item.salesRep, collection ? -collection->federalTax : Money(),
                           collection ? -collection->provincialTax : Money(), item.holdback, context.user});
        paid += item.payment;
        if (item.payment <= Money()) continue;
        if (!item.holdback) {
            payment.days += std::max(0, item.date.isValid() ? item.date.daysTo(receipt.date) : 0);
            ++payment.invoices;
        }
        detailed.push_back(&item);
    }
    if (const Money rest = owed + paid; !rest.isZero())
        entries.push_back({client.code, receipt.reference, receipt.reference, receipt.date, receipt.date,
                           rest.isNegative() ? kReceivableCreditedType : kReceivableDebitedType, rest, receipt.memo, client.salesRep, {},
                           {}, false, context.user});
    ledger_.addAll(entries);
    details_.insertRecords(detailed.size(), [&](std::size_t i) {
        const OpenItem& item = *detailed[i];
        details_.field("Reference") = receipt.reference;
        details_.field("Client") = client.code;
        details_.field("Date") = receipt.date;
        details_.field("Header_seq") = headerSeq;
        details_.field("Invoice") = item.invoice;
        details_.field("Invoice_date") = item.date;
        details_.field("Invoice_due_date") = item.dueDate;
        details_.field("Invoice_amount") = item.amount;
        details_.field("Invoice_payment") = item.payment;
    });
    ClientRecord(books_.clients()).recordPayment(payment);
    books_.clients().post();
}

}  // namespace orvant::receipts
