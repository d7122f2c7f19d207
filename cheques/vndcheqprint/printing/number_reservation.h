#pragma once
// The cheque numbers of a run. The run takes them all in one transaction under the bank's
// counter: each cheque its number (written into the cheque on the list), each continuation form
// its own, recorded void; the counter ends one past the last number given. A run whose printing
// fails, or a cheque that came out spoiled, gives its numbers back void: the register keeps
// them, none is ever given again.

#include <stdexcept>
#include <string>
#include <vector>

#include "cheque_forms.h"
#include "store/database.h"
#include "store/lock_retry.h"

namespace orvant::vndcheqprint {

// What a first number typed on the screen means on the bank account (position 1 to 5).
struct FirstNumberCheck {
    int counter = 0;           // the next number the counter proposes
    bool belowCounter = false;
    bool alreadyUsed = false;  // given before on this bank, printed or void

    bool warns() const { return belowCounter || alreadyUsed; }
};

FirstNumberCheck CheckFirstNumber(store::Database& books, int bankPosition, int first, const std::string& user,
                                  const store::LockRetry& retry = {});

// A cheque of the run changed or deleted on another workstation after the run's checks: the run
// was numbered not at all.
class ChequeChangedElsewhere : public std::runtime_error {
public:
    explicit ChequeChangedElsewhere(int seq);
    int seq() const { return seq_; }

private:
    int seq_;
};

// Numbers the forms from `first` (numbers already given are passed over) and writes each
// cheque's number into it; a cheque still carrying a number of an earlier run that was never
// posted has that number voided. All or nothing.
void ReserveNumbers(store::Database& books, int bankPosition, int first, const std::string& user, std::vector<ChequeForm>& forms,
                    const store::LockRetry& retry = {});

// A number to give back, and the cheque of the list that carries it (seq 0: none).
struct NumberToVoid {
    int seq = 0;
    std::string number;
};

// In one transaction: the numbers become void in the register, and a cheque that still carries
// its number loses it (it stays on the list, to be printed again).
void VoidNumbers(store::Database& books, int bankPosition, const std::string& user, const std::vector<NumberToVoid>& numbers,
                 const store::LockRetry& retry = {});

// What voiding a whole run gives back: the number of every form.
std::vector<NumberToVoid> NumbersOfForms(const std::vector<ChequeForm>& forms);

}  // namespace orvant::vndcheqprint
