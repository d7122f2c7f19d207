#include "sales_check.h"

#include "sales_limits.h"

#include <algorithm>

namespace orvant::sales {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

std::optional<Refusal> controlCharacterIn(const std::string& text, SalesField field, int row = -1)
{
    if (HoldsControlCharacter(text, field == SalesField::Comment)) return Refusal{kControlCharacter, field, row};
    return std::nullopt;
}

// Texts the store would cut short or that would never match again as typed.
std::optional<Refusal> checkTexts(const SalesDocument& document)
{
    if (!document.directCash)
        if (auto refusal = controlCharacterIn(document.client, SalesField::Client)) return refusal;
    if (auto refusal = controlCharacterIn(document.invoice, SalesField::Invoice)) return refusal;
    if (auto refusal = controlCharacterIn(document.reference, SalesField::Reference)) return refusal;
    if (auto refusal = controlCharacterIn(document.comment, SalesField::Comment)) return refusal;
    for (int i = 0; i < document.rows.rowCount(); ++i)
        if (auto refusal = controlCharacterIn(document.rows.row(i).description, SalesField::RowDescription, i)) return refusal;
    return std::nullopt;
}

bool holdsAnAmount(const Distribution& rows)
{
    const auto& all = rows.rows();
    return std::any_of(all.begin(), all.end(), [](const DistributionRow& r) { return !r.debit.isZero() || !r.credit.isZero(); });
}

}  // namespace

std::optional<ClientFacts> DocumentClient(SalesBooks& books, const SalesDocument& document)
{
    if (document.directCash || HoldsControlCharacter(document.client, false)) return std::nullopt;
    return books.findClient(document.client);
}

std::optional<Refusal> CheckClient(SalesBooks& books, const std::string& code)
{
    if (auto refusal = controlCharacterIn(code, SalesField::Client)) return refusal;
    return CheckClient(code, books.findClient(code));
}

std::optional<Refusal> CheckClient(const std::string& code, const std::optional<ClientFacts>& client)
{
    if (auto refusal = controlCharacterIn(code, SalesField::Client)) return refusal;
    if (!client) return Refusal{kNoSuchClient, SalesField::Client};
    if (client->creditHold) return Refusal{kClientOnCreditHold, SalesField::Client};
    return std::nullopt;
}

std::optional<Refusal> CheckInvoiceNumber(SalesBooks& books, const std::string& client, SalesType type, const std::string& invoice)
{
    if (isBlank(invoice)) return Refusal{kEnterInvoice, SalesField::Invoice};
    if (auto refusal = controlCharacterIn(invoice, SalesField::Invoice)) return refusal;
    if (type == SalesType::Adjustment) return std::nullopt;
    const bool exists = books.saleExists(client, invoice);
    if (type == SalesType::Sale && exists) return Refusal{kInvoiceExists, SalesField::Invoice};
    if (type != SalesType::Sale && !exists) return Refusal{kInvoiceNotFound, SalesField::Invoice};
    return std::nullopt;
}

std::optional<Refusal> CheckReference(SalesType type, const std::string& reference)
{
    if (type != SalesType::Sale && isBlank(reference)) return Refusal{kEnterReference, SalesField::Reference};
    return controlCharacterIn(reference, SalesField::Reference);
}

std::optional<Refusal> CheckRowAmounts(SalesBooks& books, SalesType type, const std::optional<ClientFacts>& client, int row,
                                       const DistributionRow& values)
{
    if (values.debit.isNegative()) return Refusal{kNegativeAmount, SalesField::RowDebit, row};
    if (values.credit.isNegative()) return Refusal{kNegativeAmount, SalesField::RowCredit, row};
    if (!values.debit.isZero() && !values.credit.isZero()) return Refusal{kDebitAndCredit, SalesField::RowDebit, row};
    if (!books.receivables().isControlAccount(values.account)) return std::nullopt;
    if (type == SalesType::Credit && values.debit > Money()) return Refusal{kUseCreditColumn, SalesField::RowDebit, row};
    if (type == SalesType::Debit && values.credit > Money()) return Refusal{kUseDebitColumn, SalesField::RowCredit, row};
    // An account may serve several currencies; it must be the client's own currency's.
    if (client && books.receivables().accountFor(client->currency) != values.account)
        return Refusal{kOtherCurrencyAccount, SalesField::RowAccount, row};
    return std::nullopt;
}

std::optional<Refusal> CheckDocument(SalesBooks& books, const SalesDocument& document, const std::function<bool()>& wantsComment)
{
    if (auto refusal = CheckDocumentButNumber(books, document, DocumentClient(books, document), wantsComment)) return refusal;
    if (document.directCash) return std::nullopt;
    return CheckInvoiceNumber(books, document.client, document.type, document.invoice);
}

std::optional<Refusal> CheckDocumentButNumber(SalesBooks& books, const SalesDocument& document,
                                              const std::optional<ClientFacts>& client, const std::function<bool()>& wantsComment)
{
    if (auto refusal = checkTexts(document)) return refusal;
    if (isBlank(document.invoice)) return Refusal{kEnterInvoice, SalesField::Invoice};
    if (auto refusal = CheckRowsWithinBooks(document.rows)) return refusal;
    if (!document.rows.recomputed().balanced()) return Refusal{kOutOfBalance, SalesField::Totals};
    if (!holdsAnAmount(document.rows)) return Refusal{kNothingToPost, SalesField::Totals};
    if (auto refusal = CheckReference(document.type, document.reference)) return refusal;
    if (document.directCash && isBlank(document.comment) && wantsComment && wantsComment())
        return Refusal{kAskForComment, SalesField::Comment};

    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (row.debit.isZero() && row.credit.isZero()) continue;
        if (document.directCash && books.receivables().isControlAccount(row.account))
            return Refusal{kCashSaleOnReceivable, SalesField::RowAccount, i};
        if (!books.accountExists(row.account)) return Refusal{kNoSuchAccount, SalesField::RowAccount, i};
        if (auto refusal = CheckRowAmounts(books, document.type, client, i, row)) return refusal;
    }
    if (document.directCash) return std::nullopt;
    return CheckClient(document.client, client);
}

bool LooksPostedAlready(SalesBooks& books, const SalesDocument& document)
{
    if (document.directCash) return books.cashSaleExists(document.invoice, document.date);
    if (!document.isNote()) return false;
    return books.noteExists(document.client, TypeCode(document.type), document.invoice, document.reference);
}

}  // namespace orvant::sales
