#include "bank_print_lock.h"

#include <string>

namespace orvant::vndcheqprint {

namespace {

std::uint64_t BankKey(int bankAccount)
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : "cheque printing: bank " + std::to_string(bankAccount)) h = (h ^ c) * 0x100000001B3ull;
    return h;
}

}  // namespace

BankBeingPrinted::BankBeingPrinted(int bankAccount, std::optional<store::LockHolder> holder)
    : std::runtime_error("the cheques of bank account " + std::to_string(bankAccount) + " are being printed elsewhere"),
      bankAccount_(bankAccount), holder_(std::move(holder))
{
}

std::unique_ptr<store::LockHandle> HoldBankForPrinting(store::Database& books, int bankAccount)
{
    const std::uint64_t key = BankKey(bankAccount);
    auto held = books.tryLock(key);
    if (!held) throw BankBeingPrinted(bankAccount, books.lockHolder(key));
    return held;
}

}  // namespace orvant::vndcheqprint
