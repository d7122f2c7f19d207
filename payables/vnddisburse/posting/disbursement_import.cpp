#include "disbursement_import.h"

#include <algorithm>

#include "books/import_run.h"
#include "books/text_cut.h"
#include "store/error.h"

namespace orvant::disbursements {

DisbursementImport::DisbursementImport(DisbursementBooks& books, PostingContext context, MessageText messageText, bool allowRepeats)
    : books_(books), posting_(books), context_(std::move(context)), messageText_(std::move(messageText))
{
    context_.repeatAllowed = allowRepeats;
}

ImportTotals DisbursementImport::run(std::istream& in, const ImportRefused& refused, const ImportWaiting& waiting)
{
    return RunImport(in, [this](const std::string& line) { return post(line); }, refused, context_.lockRetry, waiting);
}

std::optional<std::string> DisbursementImport::post(const std::string& line)
{
    auto read = ReadDisbursementRecord(line);
    if (auto* why = std::get_if<std::string>(&read)) return *why;
    DisbursementRecord& record = std::get<DisbursementRecord>(read);
    DisbursementDocument& disbursement = record.document;
    const std::optional<SupplierFacts> supplier = disbursement.toSupplier() ? books_.findSupplier(disbursement.supplier) : std::nullopt;
    if (disbursement.toSupplier() && !supplier) return messageText_(kNoSuchSupplier);
    if (auto why = applyPayments(record)) return why;
    if (!record.rowsGiven) {
        ResetDistribution(books_, disbursement.rows, supplier);
        FollowPayments(books_, disbursement.rows, disbursement.items, supplier);
    }
    for (int i = 0; i < disbursement.rows.rowCount(); ++i) {
        const DistributionRow& row = disbursement.rows.row(i);
        if (row.account != 0 && row.description.empty())
            disbursement.rows.setDescription(i, FirstCharacters(books_.accountDescription(row.account).value_or(std::string()), kRowDescriptionWidth));
    }
    if (auto refusal = CheckDisbursement(books_, disbursement, supplier)) return reason(*refusal, disbursement);
    if (!context_.repeatAllowed && books_.disbursementExists(disbursement.supplier, disbursement.reference, disbursement.date))
        return messageText_(kAlreadyInBooks);
    PostingAnswers answers;
    if (auto why = answersFor(record, answers)) return why;
    auto prepared = posting_.prepare(disbursement, std::move(answers), supplier);
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return reason(*refusal, disbursement);
    if (auto refusal = posting_.write(std::get<PreparedDisbursement>(prepared), context_)) return reason(*refusal, disbursement);
    return std::nullopt;
}

// The supplier's open items the payments name, as the screen shows them, each payment on its
// item; a payment on an item the supplier does not have is refused.
std::optional<std::string> DisbursementImport::applyPayments(DisbursementRecord& record)
{
    DisbursementDocument& disbursement = record.document;
    if (disbursement.notToSupplier) return std::nullopt;
    std::vector<std::string> invoices;
    for (const PaymentRecord& payment : record.payments) invoices.push_back(payment.invoice);
    disbursement.items = books_.openItemReader().items(disbursement.supplier, invoices);
    for (std::size_t i = 0; i < record.payments.size(); ++i) {
        const PaymentRecord& payment = record.payments[i];
        const auto item = std::find_if(disbursement.items.begin(), disbursement.items.end(), [&](const OpenItem& o) {
            return o.invoice == payment.invoice && o.holdback == payment.holdback;
        });
        const std::string where = "payment " + std::to_string(i + 1) + " (" + (payment.holdback ? "holdback " : "") + payment.invoice + "): ";
        if (item == disbursement.items.end()) return where + messageText_(kNoSuchItem);
        if (!item->payment.isZero()) return where + messageText_(kPaidTwice);
        item->payment = payment.amount;
    }
    return std::nullopt;
}

std::optional<std::string> DisbursementImport::answersFor(const DisbursementRecord& record, PostingAnswers& answers)
{
    answers.taxes = posting_.taxLinesToAsk(record.document);
    for (const auto& [code, net] : record.netPerRate) {
        auto line = std::find_if(answers.taxes.begin(), answers.taxes.end(),
                                 [&](const sidedialogs::TaxPerRateLine& l) { return l.code == code && l.net.isZero(); });
        if (line == answers.taxes.end()) return "tax " + std::to_string(code) + ": " + messageText_(kNoSuchTaxRow);
        line->net = net;
    }
    return std::nullopt;
}

std::string DisbursementImport::reason(const Refusal& refusal, const DisbursementDocument& disbursement) const
{
    const std::string text = messageText_(refusal.message);
    if (refusal.row < 0) return text;
    if (refusal.field != DisbursementField::OpenItem) return "row " + std::to_string(refusal.row + 1) + ": " + text;
    const OpenItem& item = disbursement.items.at(static_cast<std::size_t>(refusal.row));
    return "payment (" + std::string(item.holdback ? "holdback " : "") + item.invoice + "): " + text;
}

}  // namespace orvant::disbursements
