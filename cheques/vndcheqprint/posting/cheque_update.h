#pragma once
// The update of printed cheques: each cheque of a print run that is still stored with the number
// printed on it, unchanged, is posted and leaves the cheque list. Posting one cheque writes its
// disbursement history (cdorihdr, cdoridet), its bank reconciliation line, its journal entry
// (journal 4, or 41 + the bank's currency), its tax-report lines and, for a supplier's cheque,
// the supplier's ledger entries and the supplier's balance and date of last payment.
//
// Cheque by cheque, in the order given: the supplier's record is locked, then one transaction
// re-reads the cheque, writes every record and removes the cheque from the list. A crash leaves
// each cheque either posted and gone or untouched, still numbered in the list: a later update of
// the same cheques ("post as printed") posts what is left and never posts one twice. The update
// never moves a bank's cheque number counter: numbers were taken when the run was printed.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cheque_record.h"
#include "dates/date.h"
#include "store/database.h"
#include "store/lock_retry.h"

namespace orvant::cheques {

// A cheque of a print run as the printing numbered it.
struct PrintedCheque {
    int seq = 0;             // Apchqh_seq in the list
    std::string number;      // the number printed on it
    int bankAccount = 0;     // the account it was drawn on
    // The cheque as printed; when given, the stored cheque must still be exactly this one.
    std::optional<Cheque> printed;
};

enum class UpdateOutcome {
    Posted,            // in the books and off the list
    OverPaid,          // posted (it was printed), but a line settles more than its item owed
    ChangedElsewhere,  // it lost its number, carries another, or differs from the cheque printed
    Gone,              // no longer in the list (posted by an earlier update, or deleted)
    AccountMissing,    // a slot's account is not in the chart of accounts
    NoPeriod,          // no period row for the month of its date
    Unbalanced,        // its ten slots do not sum to 0
    SupplierMissing,   // its supplier is no longer on file
    NotReached,        // the update ended before it: the period question was cancelled
};

// Whether the cheque is in the books.
inline bool IsPosted(UpdateOutcome outcome) { return outcome == UpdateOutcome::Posted || outcome == UpdateOutcome::OverPaid; }

struct ChequeUpdateResult {
    int seq = 0;
    std::string number;
    UpdateOutcome outcome = UpdateOutcome::NotReached;
    std::vector<int> overPaidLines;  // OverPaid: the lines (from 0) beyond their item's open amount
    int slot = -1;                   // AccountMissing: the slot (from 0) whose account is missing

    // The cheque answered by its outcome alone.
    static ChequeUpdateResult of(const PrintedCheque& printed, UpdateOutcome outcome)
    {
        ChequeUpdateResult result;
        result.seq = printed.seq;
        result.number = printed.number;
        result.outcome = outcome;
        return result;
    }
};

struct ChequeUpdateReport {
    std::vector<ChequeUpdateResult> cheques;  // one per cheque given, in the same order
    bool cancelled = false;                   // the period question was cancelled: nothing posted
};

// Asks the period of a cheque date in a thirteen-period year; 1 to 13, nothing for Cancel. An
// answer outside 1 to 13 is asked again.
using AskChequePeriod = std::function<std::optional<int>(const Date&)>;

struct ChequeUpdateContext {
    std::string user;  // the session's UserId, stamped on what the update writes
    // The month names, January first, in the screen's first and second language: a date's
    // period is the Periods row whose month starts with its month name.
    std::array<std::string, 12> firstMonths, secondMonths;
    AskChequePeriod askPeriod;  // thirteen-period years only
    store::LockRetry lockRetry;
};

class ChequeUpdate {
public:
    ChequeUpdate(store::Database& books, ChequeUpdateContext context);

    // Posts the cheques in the order given. In a thirteen-period year every distinct date is
    // asked before anything is written, so a Cancel posts nothing. Holds the cheque list in
    // shared use for the run, waiting while a rebuild holds it; the caller must not hold any of
    // the cheques itself (HoldChequeForChange), as the update takes each in turn. A store error
    // propagates: the cheques before it are posted, it and those after are untouched.
    ChequeUpdateReport run(const std::vector<PrintedCheque>& cheques);

private:
    store::Database& books_;
    ChequeUpdateContext context_;
};

// The cheques of the list drawn on the bank account that carry a number but were never posted
// (a run printed but not confirmed), in list order, to be posted as printed.
std::vector<PrintedCheque> ChequesLeftNumbered(store::Database& books, int bankAccount);

}  // namespace orvant::cheques
