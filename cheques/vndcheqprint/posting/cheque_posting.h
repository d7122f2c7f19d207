#pragma once
// The posting of one printed cheque: the cheque held against a change, its supplier's record
// locked, then one transaction that re-reads the cheque and the open amount of every item it
// pays, writes the cheque's records in the books and removes it from the list. A cheque found
// changed, gone or unfit is left untouched.

#include <optional>
#include <string>

#include "books/bank_line_writer.h"
#include "books/distribution_slots.h"
#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/open_items.h"
#include "books/tax_rates.h"
#include "books/tax_report_writer.h"
#include "cheque_record.h"
#include "cheque_update.h"
#include "store/database.h"
#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant::cheques {

class ChequePosting {
public:
    ChequePosting(store::Database& books, std::string user, store::LockRetry retry);

    // Posts the cheque in `period` when it is still stored as printed and dated `date` (the
    // date its period was found for).
    ChequeUpdateResult post(const PrintedCheque& printed, const Date& date, int period);

private:
    std::optional<ChequeUpdateResult> refusal(const std::optional<Cheque>& seen, const PrintedCheque& printed, const Date& date);
    std::optional<UpdateOutcome> lockSupplier(const std::string& supplier);
    std::optional<UpdateOutcome> checkStored(const std::optional<Cheque>& stored, const PrintedCheque& printed, const Date& date);
    std::optional<int> missingAccount(const Cheque& cheque);
    std::vector<int> overPaidLines(const Cheque& cheque);
    void write(const Cheque& cheque, int period);
    std::int64_t writeHistoryAndJournal(const Cheque& cheque, int period);
    void writeTaxes(const Cheque& cheque);
    void writeSupplier(const Cheque& cheque, std::int64_t historySeq);
    int journalOf(const Cheque& cheque);

    store::Database& books_;
    std::string user_;
    store::LockRetry retry_;
    ChequeStore list_;
    int taxSystem_ = 0;
    TaxRates taxRates_;
    store::Table listHeaders_, suppliers_, accounts_, historyHeaders_, historyLines_;
    DistributionSlots historySlots_{historyHeaders_};
    OpenItemReader openItems_;
    BankLineWriter bankLines_;
    JournalWriter journal_;
    LedgerWriter ledger_;
    TaxReportWriter taxReport_;
};

}  // namespace orvant::cheques
