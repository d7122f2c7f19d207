#include "purchase_check.h"

#include <algorithm>

#include "books/books_limits.h"

namespace orvant::purchases {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

std::optional<Refusal> controlCharacterIn(const std::string& text, PurchaseField field, int row = -1)
{
    if (HoldsControlCharacter(text, field == PurchaseField::Comment)) return Refusal{kControlCharacter, field, row};
    return std::nullopt;
}

// Texts the store would cut short or that would never match again as typed.
std::optional<Refusal> checkTexts(const PurchaseDocument& document)
{
    if (!document.directCash)
        if (auto refusal = controlCharacterIn(document.supplier, PurchaseField::Supplier)) return refusal;
    if (auto refusal = controlCharacterIn(document.invoice, PurchaseField::Invoice)) return refusal;
    if (auto refusal = controlCharacterIn(document.reference, PurchaseField::Reference)) return refusal;
    if (auto refusal = controlCharacterIn(document.comment, PurchaseField::Comment)) return refusal;
    for (int i = 0; i < document.rows.rowCount(); ++i)
        if (auto refusal = controlCharacterIn(document.rows.row(i).description, PurchaseField::RowDescription, i)) return refusal;
    return std::nullopt;
}

bool holdsAnAmount(const Distribution& rows)
{
    const auto& all = rows.rows();
    return std::any_of(all.begin(), all.end(), [](const DistributionRow& r) { return !r.debit.isZero() || !r.credit.isZero(); });
}

}  // namespace

std::optional<SupplierFacts> DocumentSupplier(PurchaseBooks& books, const PurchaseDocument& document)
{
    if (document.directCash || HoldsControlCharacter(document.supplier, false)) return std::nullopt;
    return books.findSupplier(document.supplier);
}

std::optional<Refusal> CheckSupplier(PurchaseBooks& books, const std::string& code)
{
    if (auto refusal = controlCharacterIn(code, PurchaseField::Supplier)) return refusal;
    return CheckSupplier(code, books.findSupplier(code));
}

std::optional<Refusal> CheckSupplier(const std::string& code, const std::optional<SupplierFacts>& supplier)
{
    if (auto refusal = controlCharacterIn(code, PurchaseField::Supplier)) return refusal;
    if (!supplier) return Refusal{kNoSuchSupplier, PurchaseField::Supplier};
    return std::nullopt;
}

std::optional<Refusal> CheckInvoiceNumber(PurchaseBooks& books, const std::string& supplier, PurchaseType type,
                                          const std::string& invoice)
{
    if (isBlank(invoice)) return Refusal{kEnterInvoice, PurchaseField::Invoice};
    if (auto refusal = controlCharacterIn(invoice, PurchaseField::Invoice)) return refusal;
    if (type == PurchaseType::Adjustment) return std::nullopt;
    const bool exists = books.purchaseExists(supplier, invoice);
    if (type == PurchaseType::Purchase && exists) return Refusal{kInvoiceExists, PurchaseField::Invoice};
    if (type != PurchaseType::Purchase && !exists) return Refusal{kInvoiceNotFound, PurchaseField::Invoice};
    return std::nullopt;
}

std::optional<Refusal> CheckReference(PurchaseType type, const std::string& reference)
{
    if (type != PurchaseType::Purchase && isBlank(reference)) return Refusal{kEnterReference, PurchaseField::Reference};
    return controlCharacterIn(reference, PurchaseField::Reference);
}

std::optional<Refusal> CheckRowAmounts(PurchaseBooks& books, PurchaseType type, const std::optional<SupplierFacts>& supplier,
                                       int row, const DistributionRow& values)
{
    if (values.debit.isNegative()) return Refusal{kNegativeAmount, PurchaseField::RowDebit, row};
    if (values.credit.isNegative()) return Refusal{kNegativeAmount, PurchaseField::RowCredit, row};
    if (!values.debit.isZero() && !values.credit.isZero()) return Refusal{kDebitAndCredit, PurchaseField::RowDebit, row};
    if (!books.payables().isControlAccount(values.account)) return std::nullopt;
    // What the supplier is owed rises with a purchase or a debit note and falls with a credit
    // note; an adjustment goes either way.
    const bool raises = type == PurchaseType::Purchase || type == PurchaseType::Debit;
    if (raises && values.debit > Money()) return Refusal{kUseCreditColumn, PurchaseField::RowDebit, row};
    if (type == PurchaseType::Credit && values.credit > Money()) return Refusal{kUseDebitColumn, PurchaseField::RowCredit, row};
    // An account may serve several currencies; it must be the supplier's own currency's.
    if (supplier && books.payables().accountFor(supplier->currency) != values.account)
        return Refusal{kOtherCurrencyAccount, PurchaseField::RowAccount, row};
    return std::nullopt;
}

std::optional<Refusal> CheckDocument(PurchaseBooks& books, const PurchaseDocument& document, const std::function<bool()>& wantsComment)
{
    if (auto refusal = CheckDocumentButNumber(books, document, DocumentSupplier(books, document), wantsComment)) return refusal;
    if (document.directCash) return std::nullopt;
    return CheckInvoiceNumber(books, document.supplier, document.type, document.invoice);
}

std::optional<Refusal> CheckDocumentButNumber(PurchaseBooks& books, const PurchaseDocument& document,
                                              const std::optional<SupplierFacts>& supplier, const std::function<bool()>& wantsComment)
{
    if (auto refusal = checkTexts(document)) return refusal;
    if (isBlank(document.invoice)) return Refusal{kEnterInvoice, PurchaseField::Invoice};
    if (!RowsWithinBooks(document.rows)) return Refusal{kBeyondBooksLimit, PurchaseField::Totals};
    if (!document.rows.recomputed().balanced()) return Refusal{kOutOfBalance, PurchaseField::Totals};
    if (!holdsAnAmount(document.rows)) return Refusal{kNothingToPost, PurchaseField::Totals};
    if (auto refusal = CheckReference(document.type, document.reference)) return refusal;
    if (document.directCash && isBlank(document.comment) && wantsComment && wantsComment())
        return Refusal{kAskForComment, PurchaseField::Comment};

    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (row.debit.isZero() && row.credit.isZero()) continue;
        if (document.directCash && books.payables().isControlAccount(row.account))
            return Refusal{kCashPurchaseOnPayable, PurchaseField::RowAccount, i};
        if (!books.accountExists(row.account)) return Refusal{kNoSuchAccount, PurchaseField::RowAccount, i};
        if (auto refusal = CheckRowAmounts(books, document.type, supplier, i, row)) return refusal;
    }
    if (document.directCash) return std::nullopt;
    if (auto refusal = CheckSupplier(document.supplier, supplier)) return refusal;
    // A supplier's document that left the payable untouched would reach no ledger: its number
    // could never be found again, nor its amount be paid.
    Money payable;
    for (const DistributionRow& row : document.rows.rows())
        if (books.payables().isControlAccount(row.account)) payable += row.credit - row.debit;
    if (payable.isZero()) return Refusal{kNoPayable, PurchaseField::Totals};
    return std::nullopt;
}

bool LooksPostedAlready(PurchaseBooks& books, const PurchaseDocument& document)
{
    if (document.directCash) return books.cashPurchaseExists(document.invoice, document.date);
    if (!document.isNote()) return false;
    return books.noteExists(document.supplier, TypeCode(document.type), document.invoice, document.reference);
}

}  // namespace orvant::purchases
