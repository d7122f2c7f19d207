#include "number_reservation.h"

#include <memory>

#include "cheque_numbers.h"
#include "cheque_record.h"
#include "cheque_writer.h"
#include "store/table.h"

namespace orvant::vndcheqprint {

namespace {

using cheques::ChequeNumberRun;
using cheques::ChequeNumberState;

// The cheques of the list being numbered, each held against an editor's change. Cheques are
// held before the counter, in the order an editor's save takes them.
class HeldCheques {
public:
    HeldCheques(store::Database& books, const store::LockRetry& retry) : headers_(books, "apchqh"), retry_(retry) { headers_.open(); }

    void hold(int seq) { held_.push_back(cheques::HoldChequeForChange(headers_, seq, retry_)); }

    void writeNumber(int seq, const std::string& number)
    {
        if (!headers_.findKey({seq})) throw ChequeChangedElsewhere(seq);
        store::EditWithLockRetry(headers_, retry_);
        headers_.field("Apchqh_cheque") = number;
        headers_.post();
    }

private:
    store::Table headers_;
    const store::LockRetry& retry_;
    std::vector<std::unique_ptr<store::LockHandle>> held_;
};

}  // namespace

ChequeChangedElsewhere::ChequeChangedElsewhere(int seq)
    : std::runtime_error("cheque " + std::to_string(seq) + " changed on another workstation"), seq_(seq)
{
}

FirstNumberCheck CheckFirstNumber(store::Database& books, int bankPosition, int first, const std::string& user,
                                  const store::LockRetry& retry)
{
    ChequeNumberRun run(books, bankPosition, user, retry);
    return {run.counter(), first < run.counter(), run.used(first)};
}

void ReserveNumbers(store::Database& books, int bankPosition, int first, const std::string& user, std::vector<ChequeForm>& forms,
                    const store::LockRetry& retry)
{
    HeldCheques held(books, retry);
    for (const ChequeForm& form : forms)
        if (!form.continuation) held.hold(form.cheque->seq);
    ChequeNumberRun run(books, bankPosition, user, retry);
    run.startAt(first);
    cheques::ChequeStore list(books, cheques::ChequeSet::List);

    store::Transaction transaction(books);
    std::vector<std::string> numbers;
    for (const ChequeForm& form : forms) {
        if (form.continuation) {
            numbers.push_back(std::to_string(run.take(ChequeNumberState::Void)));
            continue;
        }
        const auto stored = list.read(form.cheque->seq);
        if (!stored || *stored != *form.cheque) throw ChequeChangedElsewhere(form.cheque->seq);
        if (const auto earlier = cheques::ChequeNumberOf(stored->number)) run.voidNumber(*earlier);
        numbers.push_back(std::to_string(run.take(ChequeNumberState::Issued, {stored->supplier, stored->date})));
        held.writeNumber(stored->seq, numbers.back());
    }
    run.finish();
    transaction.commit();
    for (std::size_t i = 0; i < forms.size(); ++i) forms[i].number = numbers[i];
}

void VoidNumbers(store::Database& books, int bankPosition, const std::string& user, const std::vector<NumberToVoid>& numbers,
                 const store::LockRetry& retry)
{
    HeldCheques held(books, retry);
    for (const NumberToVoid& n : numbers)
        if (n.seq != 0) held.hold(n.seq);
    ChequeNumberRun run(books, bankPosition, user, retry);
    cheques::ChequeStore list(books, cheques::ChequeSet::List);

    store::Transaction transaction(books);
    for (const NumberToVoid& n : numbers) {
        if (const auto number = cheques::ChequeNumberOf(n.number)) run.voidNumber(*number);
        if (n.seq == 0) continue;
        // A cheque renumbered or deleted meanwhile keeps what it has now.
        if (const auto stored = list.read(n.seq); stored && stored->number == n.number) held.writeNumber(n.seq, "");
    }
    transaction.commit();
}

std::vector<NumberToVoid> NumbersOfForms(const std::vector<ChequeForm>& forms)
{
    std::vector<NumberToVoid> numbers;
    for (const ChequeForm& form : forms)
        if (!form.number.empty()) numbers.push_back({form.continuation ? 0 : form.cheque->seq, form.number});
    return numbers;
}

}  // namespace orvant::vndcheqprint
