#include "receipt_check.h"

#include <algorithm>

namespace orvant::receipts {

namespace {

// A control character in a text the books keep (a memo may hold line breaks and tabs).
bool holdsControlCharacter(const std::string& text, bool lineBreaksAllowed)
{
    return std::any_of(text.begin(), text.end(), [&](char c) {
        const auto u = static_cast<unsigned char>(c);
        if (lineBreaksAllowed && (c == '\n' || c == '\r' || c == '\t')) return false;
        return u < 0x20 || u == 0x7f;
    });
}

std::optional<Refusal> checkTexts(const ReceiptDocument& receipt)
{
    if (holdsControlCharacter(receipt.client, false)) return Refusal{kControlCharacter, ReceiptField::Client};
    if (holdsControlCharacter(receipt.reference, false)) return Refusal{kControlCharacter, ReceiptField::Reference};
    if (holdsControlCharacter(receipt.memo, true)) return Refusal{kControlCharacter, ReceiptField::Memo};
    for (int i = 0; i < receipt.rows.rowCount(); ++i)
        if (holdsControlCharacter(receipt.rows.row(i).description, false)) return Refusal{kControlCharacter, ReceiptField::RowAccount, i};
    return std::nullopt;
}

std::optional<Refusal> checkLine(ReceiptBooks& books, const ReceiptDocument& receipt, const std::optional<ClientFacts>& client, int i)
{
    const DistributionRow& row = receipt.rows.row(i);
    if (row.debit.isNegative()) return Refusal{kNegativeAmount, ReceiptField::RowDebit, i};
    if (row.credit.isNegative()) return Refusal{kNegativeAmount, ReceiptField::RowCredit, i};
    if (!row.debit.isZero() && !row.credit.isZero()) return Refusal{kDebitAndCredit, ReceiptField::RowDebit, i};
    if (!WithinBooks(row.debit) || !WithinBooks(row.credit)) return Refusal{kBeyondBooksLimit, ReceiptField::RowDebit, i};
    const bool hasAmount = !row.debit.isZero() || !row.credit.isZero();
    if (row.account != 0 && !books.accountExists(row.account)) return Refusal{kNoSuchAccount, ReceiptField::RowAccount, i};
    if (row.account == 0 && hasAmount) return Refusal{kNoSuchAccount, ReceiptField::RowAccount, i};
    const std::optional<int> currency = books.receivables().currencyOf(row.account);
    if (client && currency && books.receivables().accountFor(client->currency) != row.account)
        return Refusal{kOtherCurrencyReceivable, ReceiptField::RowAccount, i};
    return std::nullopt;
}

// A receipt not from a client owes nothing to anybody: it may not move a receivable account
// nor the receivable holdback account.
std::optional<Refusal> checkWithoutClient(ReceiptBooks& books, const ReceiptDocument& receipt)
{
    for (int i = 0; i < receipt.rows.rowCount(); ++i) {
        const DistributionRow& row = receipt.rows.row(i);
        if (row.debit.isZero() && row.credit.isZero()) continue;
        if (books.receivables().isControlAccount(row.account)) return Refusal{kReceivableWithoutClient, ReceiptField::RowAccount, i};
        if (row.account == books.settings().holdbackReceivableAccount) return Refusal{kHoldbackWithoutClient, ReceiptField::RowAccount, i};
    }
    return std::nullopt;
}

bool anythingToPost(const ReceiptDocument& receipt)
{
    const auto& rows = receipt.rows.rows();
    const bool lines = std::any_of(rows.begin(), rows.end(), [](const DistributionRow& r) { return !r.debit.isZero() || !r.credit.isZero(); });
    const bool payments = std::any_of(receipt.items.begin(), receipt.items.end(), [](const OpenItem& item) { return !item.payment.isZero(); });
    return lines || (receipt.fromClient() && payments);
}

}  // namespace

std::optional<Refusal> CheckPayment(const OpenItem& item, int index)
{
    if (PaymentFits(item)) return std::nullopt;
    return Refusal{kHoldbackPaymentRefused, ReceiptField::OpenItem, index};
}

std::optional<Refusal> CheckReceipt(ReceiptBooks& books, const ReceiptDocument& receipt, const std::function<bool()>& wantsMemo)
{
    // A code with a control character is refused before it is looked for.
    const bool lookedFor = receipt.fromClient() && !holdsControlCharacter(receipt.client, false);
    return CheckReceipt(books, receipt, lookedFor ? books.findClient(receipt.client) : std::nullopt, wantsMemo);
}

std::optional<Refusal> CheckReceipt(ReceiptBooks& books, const ReceiptDocument& receipt, const std::optional<ClientFacts>& client,
                                    const std::function<bool()>& wantsMemo)
{
    if (auto refusal = checkTexts(receipt)) return refusal;
    if (receipt.reference.empty()) return Refusal{kEnterReference, ReceiptField::Reference};
    if (receipt.notFromClient && receipt.memo.empty() && wantsMemo && wantsMemo()) return Refusal{kAskForMemo, ReceiptField::Memo};
    if (receipt.fromClient() && !client) return Refusal{kNoSuchClient, ReceiptField::Client};
    DistributionTotals totals;
    for (int i = 0; i < receipt.rows.rowCount(); ++i) {
        if (auto refusal = checkLine(books, receipt, client, i)) return refusal;
        totals.debit += receipt.rows.row(i).debit;
        totals.credit += receipt.rows.row(i).credit;
    }
    if (!WithinBooks(totals.debit) || !WithinBooks(totals.credit)) return Refusal{kBeyondBooksLimit, ReceiptField::Totals};
    if (!totals.balanced()) return Refusal{kOutOfBalance, ReceiptField::Totals};
    if (receipt.notFromClient) {
        if (auto refusal = checkWithoutClient(books, receipt)) return refusal;
    } else {
        Money applied;
        for (std::size_t i = 0; i < receipt.items.size(); ++i) {
            if (auto refusal = CheckPayment(receipt.items[i], static_cast<int>(i))) return refusal;
            applied += receipt.items[i].payment;
            if (!WithinBooks(receipt.items[i].payment) || !WithinBooks(applied))
                return Refusal{kBeyondBooksLimit, ReceiptField::OpenItem, static_cast<int>(i)};
        }
    }
    if (!anythingToPost(receipt)) return Refusal{kNothingToPost, ReceiptField::Totals};
    return std::nullopt;
}

}  // namespace orvant::receipts
