#include "sales_check.h"

namespace orvant::sales {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

std::optional<Refusal> CheckClient(SalesBooks& books, const std::string& code)
{
    const std::optional<ClientFacts> client = books.findClient(code);
    if (!client) return Refusal{kNoSuchClient, SalesField::Client};
    if (client->creditHold) return Refusal{kClientOnCreditHold, SalesField::Client};
    return std::nullopt;
}

std::optional<Refusal> CheckInvoiceNumber(SalesBooks& books, const std::string& client, SalesType type, const std::string& invoice)
{
    if (isBlank(invoice)) return Refusal{kEnterInvoice, SalesField::Invoice};
    if (type == SalesType::Adjustment) return std::nullopt;
    const bool exists = books.saleExists(client, invoice);
    if (type == SalesType::Sale && exists) return Refusal{kInvoiceExists, SalesField::Invoice};
    if (type != SalesType::Sale && !exists) return Refusal{kInvoiceNotFound, SalesField::Invoice};
    return std::nullopt;
}

std::optional<Refusal> CheckReference(SalesType type, const std::string& reference)
{
    if (type != SalesType::Sale && isBlank(reference)) return Refusal{kEnterReference, SalesField::Reference};
    return std::nullopt;
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
    if (isBlank(document.invoice)) return Refusal{kEnterInvoice, SalesField::Invoice};
    if (!document.rows.recomputed().balanced()) return Refusal{kOutOfBalance, SalesField::Totals};
    if (auto refusal = CheckReference(document.type, document.reference)) return refusal;
    if (document.directCash && isBlank(document.comment) && wantsComment && wantsComment())
        return Refusal{kAskForComment, SalesField::Comment};

    const std::optional<ClientFacts> client = document.directCash ? std::nullopt : books.findClient(document.client);
    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (row.debit.isZero() && row.credit.isZero()) continue;
        if (document.directCash && books.receivables().isControlAccount(row.account))
            return Refusal{kCashSaleOnReceivable, SalesField::RowAccount, i};
        if (!books.accountExists(row.account)) return Refusal{kNoSuchAccount, SalesField::RowAccount, i};
        if (auto refusal = CheckRowAmounts(books, document.type, client, i, row)) return refusal;
    }
    if (document.directCash) return std::nullopt;
    if (auto refusal = CheckClient(books, document.client)) return refusal;
    return CheckInvoiceNumber(books, document.client, document.type, document.invoice);
}

}  // namespace orvant::sales
