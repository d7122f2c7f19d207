#pragma once
// The cheque numbers of the company's bank accounts. Each bank account (position 1 to 5 of the
// control record's bank accounts) has its own counter, Ctrl_ap_chqno1 to 5, the next number to
// print; every number given, printed or void, goes to the register and is never given again.
//
// A run holds the control record from before the caller's transaction to its end, so two
// workstations never take numbers at once; inside the transaction it takes the numbers, records
// them and moves the counter, all of which stand or fall with the caller's writes.

#include <memory>
#include <optional>
#include <string>

#include "dates/date.h"
#include "store/database.h"
#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant::cheques {

enum class ChequeNumberState { Issued, Void };

// A cheque's number as the register keeps it, from the text a cheque carries (spaces around it
// ignored); nothing for a text that is no positive number.
std::optional<int> ChequeNumberOf(const std::string& text);

// The next number the bank's counter gives, as it stands now: what a screen proposes. A run reads
// it again under the control record's lock. `bank` is the bank account's position, 1 to 5.
int NextChequeNumber(store::Database& books, int bank);

// The cheque a number is issued for, as its payment will carry it: supplier and cheque date.
struct ChequePayee {
    std::string supplier;
    Date date;
};

class ChequeNumberRun {
public:
    // Holds the control record, waiting while another workstation holds it. Call it before the
    // transaction opens. `bank` is the bank account's position, 1 to 5.
    ChequeNumberRun(store::Database& books, int bank, std::string user, const store::LockRetry& retry = {});
    ~ChequeNumberRun();
    ChequeNumberRun(const ChequeNumberRun&) = delete;
    ChequeNumberRun& operator=(const ChequeNumberRun&) = delete;

    int counter() const { return counter_; }
    // Whether the number was ever given on this bank: a typed first number that is warns.
    bool used(int number);
    // Where the run's numbers start (the counter unless the user typed another).
    void startAt(int first) { next_ = first; }

    // In the caller's transaction: the next number from the start that was never given,
    // recorded with its state and the cheque it is issued for. Continuation forms take theirs
    // as void.
    int take(ChequeNumberState state, const ChequePayee& payee = {});
    // In the caller's transaction: a number this run or an earlier one gave turns void (a
    // spoiled cheque, a numbered cheque changed or rebuilt); a number never given is recorded void.
    void voidNumber(int number);
    // In the caller's transaction: the counter becomes the last number taken + 1 when that is
    // above it (never lower, so a number typed below it does not move it back); the control
    // record goes back at the end of the transaction.
    void finish();

private:
    void record(int number, ChequeNumberState state, const ChequePayee& payee = {});

    store::Database& books_;
    int bank_;
    std::string user_;
    store::Table control_;
    store::Table register_;
    int counter_ = 0;
    int next_ = 0;
    int highest_ = 0;  // the highest number taken by this run
};

}  // namespace orvant::cheques
