#pragma once
// One workstation at a time prints the cheques of a bank account: from the moment a run reads
// the bank's cheques until they are posted or voided, another run, or the offer of cheques left
// numbered, keeps off that bank. Other banks' cheques stay free for the editor and the printing.
// The lock is a record lock, so it works across processes and machines and dies with its holder.

#include <memory>
#include <optional>
#include <stdexcept>

#include "store/database.h"

namespace orvant::vndcheqprint {

// The bank's cheques are being printed elsewhere; the holder when the store knows it.
class BankBeingPrinted : public std::runtime_error {
public:
    BankBeingPrinted(int bankAccount, std::optional<store::LockHolder> holder);
    int bankAccount() const { return bankAccount_; }
    const std::optional<store::LockHolder>& holder() const { return holder_; }

private:
    int bankAccount_;
    std::optional<store::LockHolder> holder_;
};

// Holds the printing of the bank account until the handle goes, or throws BankBeingPrinted.
std::unique_ptr<store::LockHandle> HoldBankForPrinting(store::Database& books, int bankAccount);

}  // namespace orvant::vndcheqprint
