#include "cheque_numbers.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "dates/date.h"
#include "store/error.h"

namespace orvant::cheques {

namespace {

constexpr const char* kRegister = "apchqno";

std::string counterField(int bank) { return "Ctrl_ap_chqno" + std::to_string(bank); }

// The counter of a control record positioned on; a counter never set gives 1.
int counterIn(store::Table& control, int bank)
{
    if (!control.hasRecord()) return 1;
    return std::max(1, static_cast<int>(control.field(counterField(bank)).asInt()));
}

const char* stateCode(ChequeNumberState state) { return state == ChequeNumberState::Issued ? "I" : "V"; }

}  // namespace

std::optional<int> ChequeNumberOf(const std::string& text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const auto end = text.find_last_not_of(' ') + 1;
    int number = 0;
    const auto [rest, error] = std::from_chars(text.data() + begin, text.data() + end, number);
    if (error != std::errc() || rest != text.data() + end || number <= 0) return std::nullopt;
    return number;
}

int NextChequeNumber(store::Database& books, int bank)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    return counterIn(control, bank);
}

ChequeNumberRun::ChequeNumberRun(store::Database& books, int bank, std::string user, const store::LockRetry& retry)
    : books_(books), bank_(bank), user_(std::move(user)), control_(books, "ctrl"), register_(books, kRegister)
{
    if (bank < 1 || bank > 5) throw std::invalid_argument("a bank account position is 1 to 5");
    control_.open();
    control_.first();
    if (!control_.hasRecord()) throw store::StoreError(store::errc::kRecordGone, "The control record is missing.");
    store::EditWithLockRetry(control_, retry);
    // Books made before the register existed get it here, under the control record's lock so
    // that two workstations never both create it.
    if (!books_.tableExists(kRegister)) books_.createTable(kRegister);
    register_.open();
    counter_ = counterIn(control_, bank);
    next_ = counter_;
}

ChequeNumberRun::~ChequeNumberRun() = default;

bool ChequeNumberRun::used(int number) { return register_.findKey({bank_, number}); }

int ChequeNumberRun::take(ChequeNumberState state, const ChequePayee& payee)
{
    while (used(next_)) ++next_;
    const int number = next_++;
    record(number, state, payee);
    highest_ = std::max(highest_, number);
    return number;
}

void ChequeNumberRun::voidNumber(int number)
{
    if (!used(number)) {
        record(number, ChequeNumberState::Void);
        return;
    }
    // Only runs write the register, one at a time under the control record, so this edit
    // never meets another holder.
    register_.edit();
    register_.field("Apchqno_state") = stateCode(ChequeNumberState::Void);
    register_.field("Apchqno_user") = user_;
    register_.field("Apchqno_stamp") = DateTime::now();
    register_.post();
}

void ChequeNumberRun::finish()
{
    if (highest_ + 1 <= counter_) return;
    counter_ = highest_ + 1;
    control_.field(counterField(bank_)) = counter_;
    control_.post();
}

void ChequeNumberRun::record(int number, ChequeNumberState state, const ChequePayee& payee)
{
    register_.insert();
    register_.field("Apchqno_bank") = bank_;
    register_.field("Apchqno_number") = number;
    register_.field("Apchqno_state") = stateCode(state);
    register_.field("Apchqno_date") = Date::today();
    register_.field("Apchqno_user") = user_;
    register_.field("Apchqno_stamp") = DateTime::now();
    if (!payee.supplier.empty()) {
        register_.field("Apchqno_supplier") = payee.supplier;
        register_.field("Apchqno_cheque_date") = payee.date;
    }
    register_.post();
}

}  // namespace orvant::cheques
