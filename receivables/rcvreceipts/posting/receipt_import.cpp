#include "receipt_import.h"

#include <algorithm>

#include "books/import_run.h"
#include "books/text_cut.h"
#include "store/error.h"

namespace orvant::receipts {

ReceiptImport::ReceiptImport(ReceiptBooks& books, PostingContext context, MessageText messageText, bool allowRepeats)
    : books_(books), posting_(books), context_(std::move(context)), messageText_(std::move(messageText))
{
    context_.repeatAllowed = allowRepeats;
}

ImportTotals ReceiptImport::run(std::istream& in, const ImportRefused& refused, const ImportWaiting& waiting)
{
    return RunImport(in, [this](const std::string& line) { return post(line); }, refused, context_.lockRetry, waiting);
}

std::optional<std::string> ReceiptImport::post(const std::string& line)
{
    auto read = ReadReceiptRecord(line);
    if (auto* why = std::get_if<std::string>(&read)) return *why;
    ReceiptRecord& record = std::get<ReceiptRecord>(read);
    ReceiptDocument& receipt = record.document;
    const std::optional<ClientFacts> client = receipt.fromClient() ? books_.findClient(receipt.client) : std::nullopt;
    if (receipt.fromClient() && !client) return messageText_(kNoSuchClient);
    if (auto why = applyPayments(record)) return why;
    if (!record.rowsGiven) {
        ResetDistribution(books_, receipt.rows, client ? client->currency : 0);
        FollowPayments(books_, receipt.rows, receipt.items);
    }
    for (int i = 0; i < receipt.rows.rowCount(); ++i) {
        const DistributionRow& row = receipt.rows.row(i);
        if (row.account != 0 && row.description.empty())
            receipt.rows.setDescription(i, FirstCharacters(books_.accountDescription(row.account).value_or(std::string()), kRowDescriptionWidth));
    }
    if (auto refusal = CheckReceipt(books_, receipt, client)) return reason(*refusal, receipt);
    if (!context_.repeatAllowed && books_.receiptExists(receipt.client, receipt.reference, receipt.date)) return messageText_(kAlreadyInBooks);
    PostingAnswers answers;
    if (auto why = answersFor(record, answers)) return why;
    auto prepared = posting_.prepare(receipt, std::move(answers), client);
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return reason(*refusal, receipt);
    if (auto refusal = posting_.write(std::get<PreparedReceipt>(prepared), context_)) return reason(*refusal, receipt);
    return std::nullopt;
}

// The client's open items the payments name, as the screen shows them, each payment on its
// item; a payment on an item the client does not have is refused.
std::optional<std::string> ReceiptImport::applyPayments(ReceiptRecord& record)
{
    ReceiptDocument& receipt = record.document;
    if (receipt.notFromClient) return std::nullopt;
    std::vector<std::string> invoices;
    for (const PaymentRecord& payment : record.payments) invoices.push_back(payment.invoice);
    receipt.items = books_.openItemReader().items(receipt.client, invoices);
    for (std::size_t i = 0; i < record.payments.size(); ++i) {
        const PaymentRecord& payment = record.payments[i];
        const auto item = std::find_if(receipt.items.begin(), receipt.items.end(), [&](const OpenItem& o) {
            return o.invoice == payment.invoice && o.holdback == payment.holdback;
        });
        const std::string where = "payment " + std::to_string(i + 1) + ": ";
        if (item == receipt.items.end())
            return where + "the client has no " + (payment.holdback ? "holdback on invoice " : "invoice ") + payment.invoice;
        if (!item->payment.isZero()) return where + "invoice " + payment.invoice + " is paid twice in this receipt";
        item->payment = payment.amount;
    }
    return std::nullopt;
}

std::optional<std::string> ReceiptImport::answersFor(const ReceiptRecord& record, PostingAnswers& answers)
{
    answers.taxes = posting_.taxLinesToAsk(record.document);
    for (const auto& [code, net] : record.netPerRate) {
        auto line = std::find_if(answers.taxes.begin(), answers.taxes.end(),
                                 [&](const sidedialogs::TaxPerRateLine& l) { return l.code == code && l.net.isZero(); });
        if (line == answers.taxes.end())
            return books_.settings().taxSystem == 0 ? "these books report no taxes per rate"
                                                    : "the receipt has no line of tax rate " + std::to_string(code);
        line->net = net;
    }
    return std::nullopt;
}

std::string ReceiptImport::reason(const Refusal& refusal, const ReceiptDocument& receipt) const
{
    const std::string text = messageText_(refusal.message);
    if (refusal.row < 0) return text;
    if (refusal.field != ReceiptField::OpenItem) return "line " + std::to_string(refusal.row + 1) + ": " + text;
    const OpenItem& item = receipt.items.at(static_cast<std::size_t>(refusal.row));
    return std::string(item.holdback ? "the holdback of invoice " : "invoice ") + item.invoice + ": " + text;
}

}  // namespace orvant::receipts
