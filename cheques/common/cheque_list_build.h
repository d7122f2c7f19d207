#pragma once
// Building the company's list of cheques to be issued: one cheque per supplier paid from the
// chosen bank account, paying its items due by a date (an invoice with its notes and payments,
// or a holdback on its own), with the discount of the supplier's terms where it is still due;
// and, when asked, the recurring cheques of that bank account.
//
// A build holds the list alone and replaces it whole in one transaction: a build that stops
// half-way leaves the old list. Cheques already numbered by a printing that was not posted stop
// the build until the caller names exactly those cheques as the ones whose numbers to void.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "amount_in_words.h"
#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::cheques {

// A cheque of the list that carries a number but was not posted.
struct NumberedCheque {
    int seq = 0;
    std::string number;
    std::string payee;
    int bankAccount = 0;
    Money amount;

    bool operator==(const NumberedCheque&) const = default;
};

struct ChequeListRequest {
    Date chequeDate;  // the date of every cheque; a discount is taken up to an item's due date
    Date dueBefore;   // items due after it wait for a later list
    int bankAccount = 0;  // the account of the bank the cheques are drawn on
    std::string fromSupplier, toSupplier;  // empty: no bound
    std::vector<std::string> suppliers;    // empty: every supplier
    bool includeRecurring = false;
    // The numbered cheques the user agreed to void, as NumberedCheques gave them; the build is
    // refused when the list's numbered cheques are no longer exactly these.
    std::vector<NumberedCheque> numberedToVoid;
    WordsLanguage language = WordsLanguage::English;
    std::string user;  // named in the register of numbers voided
};

std::vector<NumberedCheque> NumberedCheques(store::Database& books);

// A build refused while numbered cheques the user did not agree to void are on the list; nothing
// was changed. It carries the numbered cheques as they are now, to be shown again.
class NumberedChequesPending : public std::runtime_error {
public:
    explicit NumberedChequesPending(std::vector<NumberedCheque> cheques);
    const std::vector<NumberedCheque>& cheques() const { return cheques_; }

private:
    std::vector<NumberedCheque> cheques_;
};

struct ChequeListBuilt {
    int cheques = 0;
    Money total;  // the cash paid by all the cheques
    int numbersVoided = 0;
    // Suppliers whose cheque would be too large to be written, left out of the list.
    std::vector<std::string> tooLarge;
};

// Called once before the first supplier and after each supplier.
using ChequeListProgress = std::function<void(int suppliersDone, int suppliersInAll)>;

// Throws the store's locked error naming the holder while another workstation uses the list,
// and NumberedChequesPending (see above).
ChequeListBuilt BuildChequeList(store::Database& books, const ChequeListRequest& request,
                                const ChequeListProgress& progress = {});

}  // namespace orvant::cheques
