#include "cheque_list_build.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "books/control_accounts.h"
#include "books/open_items.h"
#include "cheque_banks.h"
#include "cheque_list_lock.h"
#include "cheque_numbers.h"
#include "cheque_record.h"
#include "cheque_rules.h"
#include "cheque_words.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::cheques {

namespace {

constexpr int kFirstProposedSlot = 2;  // slots 3 to 9 take Ctrl_ap_disb_accnt2 to 8
constexpr int kLastProposedSlot = 8;

struct SupplierToPay {
    std::string code, name, address1, address2, city, postalCode, province, country;
    int currency = 0;
    int bankAccount = 0;
    double discountPercent = 0;
};

// What every cheque of a build takes from the control record and the chart of accounts.
struct ListAccounts {
    std::array<int, kCurrencies> payable{};
    std::array<int, kChequeSlots> proposed{};
    bool discountAccountExists = false;
    bool taxesPerRate = false;

    int payableOf(int currency) const { return currency >= 0 && currency < kCurrencies ? payable[currency] : 0; }
};

ListAccounts readListAccounts(store::Database& books)
{
    ListAccounts accounts;
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) return accounts;
    for (int currency = 0; currency < kCurrencies; ++currency)
        accounts.payable[currency] = static_cast<int>(control.field(*ControlAccountField(Ledger::Payables, currency)).asInt());
    for (int slot = kFirstProposedSlot; slot <= kLastProposedSlot; ++slot)
        accounts.proposed[slot] = static_cast<int>(control.field("Ctrl_ap_disb_accnt" + std::to_string(slot)).asInt());
    accounts.taxesPerRate = control.field("Ctrl_TaxSystem").asInt() != 0;

    const int discountAccount = accounts.proposed[kFirstProposedSlot];
    store::Table chart(books, "glm");
    chart.open();
    accounts.discountAccountExists = discountAccount != 0 && chart.findKey({discountAccount});
    return accounts;
}

bool wanted(const std::string& code, const ChequeListRequest& request)
{
    if (!request.fromSupplier.empty() && code < request.fromSupplier) return false;
    if (!request.toSupplier.empty() && code > request.toSupplier) return false;
    if (request.suppliers.empty()) return true;
    return std::find(request.suppliers.begin(), request.suppliers.end(), code) != request.suppliers.end();
}

// The suppliers to pay, in code order.
std::vector<SupplierToPay> suppliersToPay(store::Database& books, const ChequeListRequest& request)
{
    std::vector<SupplierToPay> kept;
    store::Table suppliers(books, "sup");
    suppliers.open();
    for (suppliers.first(); !suppliers.eof(); suppliers.next()) {
        SupplierToPay s;
        s.code = suppliers.field("Sup_code").asString();
        s.bankAccount = static_cast<int>(suppliers.field("Sup_bank_account").asInt());
        if (s.bankAccount != request.bankAccount || !wanted(s.code, request)) continue;
        s.name = suppliers.field("Sup_name").asString();
        s.address1 = suppliers.field("Sup_adr1").asString();
        s.address2 = suppliers.field("Sup_adr2").asString();
        s.city = suppliers.field("Sup_city").asString();
        s.postalCode = suppliers.field("Sup_postal_code").asString();
        s.province = suppliers.field("Sup_prov").asString();
        s.country = suppliers.field("Sup_country").asString();
        s.currency = static_cast<int>(suppliers.field("Sup_currency").asInt());
        s.discountPercent = suppliers.field("Sup_pmt_discount").asFloat();
        kept.push_back(std::move(s));
    }
    return kept;
}

// An item not yet due by `dueBefore` waits; an item without a due date is due.
bool dueBy(const OpenItem& item, Date dueBefore) { return !item.dueDate.isValid() || item.dueDate <= dueBefore; }

// The discount of the supplier's terms on the item, rounded once for the whole item: only
// while the cheque is dated by the item's due date, on a discount account that exists.
Money discountOn(const OpenItem& item, const SupplierToPay& supplier, const ChequeListRequest& request,
                 const ListAccounts& accounts)
{
    if (!accounts.discountAccountExists || !item.dueDate.isValid() || request.chequeDate > item.dueDate) return {};
    if (item.amount.isNegative() || item.amount.isZero()) return {};
    // Terms out of 0 to 100 % take nothing, or the whole item: never a payment below 0.
    return std::clamp(item.amount.percent(supplier.discountPercent), Money(), item.amount);
}

Cheque chequeHeader(const SupplierToPay& supplier, const ChequeListRequest& request, const ListAccounts& accounts)
{
    Cheque cheque;
    cheque.supplier = supplier.code;
    cheque.date = request.chequeDate;
    cheque.name = supplier.name;
    cheque.address1 = supplier.address1;
    cheque.address2 = supplier.address2;
    cheque.city = supplier.city;
    cheque.postalCode = supplier.postalCode;
    cheque.province = supplier.province;
    cheque.country = supplier.country;
    cheque.accounts = accounts.proposed;
    cheque.accounts[0] = accounts.payableOf(supplier.currency);
    cheque.accounts[1] = supplier.bankAccount;
    return cheque;
}

// The supplier's cheque, when it pays at least one item.
std::optional<Cheque> supplierCheque(OpenItemReader& reader, const SupplierToPay& supplier, const ChequeListRequest& request,
                                     const ListAccounts& accounts)
{
    Cheque cheque = chequeHeader(supplier, request, accounts);
    // Every entry of an item counts, its later notes too, before the item is judged due.
    for (const OpenItem& item : reader.items(supplier.code)) {
        if (item.amount.isZero() || !dueBy(item, request.dueBefore)) continue;
        ChequeLine line;
        line.supplier = supplier.code;
        line.invoice = item.invoice;
        line.holdback = item.holdback;
        line.date = item.date;
        line.dueDate = item.dueDate;
        line.amount = item.amount;
        line.discount = discountOn(item, supplier, request, accounts);
        cheque.lines.push_back(std::move(line));
    }
    if (cheque.lines.empty()) return std::nullopt;
    ProposeDistribution(cheque);
    return cheque;
}

void clearNumber(store::Database& books, int seq)
{
    store::Query clear(books, "UPDATE apchqh SET apchqh_cheque = '' WHERE apchqh_seq = ?");
    clear.bind(0, seq);
    books.write([&] { clear.execute(); });
}

// The numbers of the cheques go to the register as void, one bank at a time, and leave the
// cheques; a number that is not a number, or a bank that is not the company's, only leaves.
int voidNumbers(store::Database& books, const std::vector<NumberedCheque>& numbered, const std::string& user)
{
    std::map<int, std::vector<const NumberedCheque*>> byBank;  // position 0: none
    for (const NumberedCheque& cheque : numbered) byBank[BankPosition(books, cheque.bankAccount).value_or(0)].push_back(&cheque);
    int voided = 0;
    for (const auto& [position, cheques] : byBank) {
        std::unique_ptr<ChequeNumberRun> run;
        if (position != 0) run = std::make_unique<ChequeNumberRun>(books, position, user);
        store::Transaction transaction(books);
        for (const NumberedCheque* cheque : cheques) {
            const std::optional<int> number = ChequeNumberOf(cheque->number);
            if (run && number) {
                run->voidNumber(*number);
                ++voided;
            }
            clearNumber(books, cheque->seq);
        }
        transaction.commit();
    }
    return voided;
}

// The recurring cheques drawn on the bank, to a payee who is not a supplier or to a supplier
// of this list, dated as the list.
std::vector<Cheque> recurringCheques(store::Database& books, const ChequeListRequest& request,
                                     const std::set<std::string>& suppliers, bool taxesPerRate)
{
    std::vector<Cheque> cheques;
    ChequeStore recurring(books, ChequeSet::Recurring);
    for (int seq : recurring.sequences()) {
        std::optional<Cheque> cheque = recurring.read(seq);
        if (!cheque || cheque->bankAccount() != request.bankAccount) continue;
        if (!cheque->supplier.empty() && !suppliers.contains(cheque->supplier)) continue;
        cheque->date = request.chequeDate;
        cheque->number.clear();
        if (!taxesPerRate) cheque->taxLines.clear();
        cheques.push_back(std::move(*cheque));
    }
    return cheques;
}

}  // namespace

NumberedChequesPending::NumberedChequesPending(std::vector<NumberedCheque> cheques)
    : std::runtime_error("The list holds numbered cheques that were not posted."), cheques_(std::move(cheques))
{
}

std::vector<NumberedCheque> NumberedCheques(store::Database& books)
{
    std::vector<NumberedCheque> numbered;
    store::Query query(books, "SELECT apchqh_seq, apchqh_cheque, apchqh_nom, apchqh_accnt2, apchqh_montant FROM apchqh "
                              "WHERE apchqh_cheque IS NOT NULL AND TRIM(apchqh_cheque) <> '' ORDER BY apchqh_seq");
    for (query.open(); !query.eof(); query.next())
        numbered.push_back({static_cast<int>(query.field(0).asInt()), query.field(1).asString(), query.field(2).asString(),
                            static_cast<int>(query.field(3).asInt()), query.field(4).asMoney()});
    return numbered;
}

ChequeListBuilt BuildChequeList(store::Database& books, const ChequeListRequest& request, const ChequeListProgress& progress)
{
    const ChequeListLock lock = ChequeListLock::take(books, ChequeListUse::Exclusive);
    ChequeListBuilt built;
    if (std::vector<NumberedCheque> numbered = NumberedCheques(books); !numbered.empty()) {
        if (numbered != request.numberedToVoid) throw NumberedChequesPending(std::move(numbered));
        // Each bank's numbers are voided in their own transaction, since a number run holds the
        // control record from before its transaction, and the rebuild below takes another. Each
        // cheque loses its number in the transaction that voids it, so a rebuild that fails from
        // here on leaves the old list with those cheques unnumbered and their numbers void, and
        // the list lock, held throughout, keeps every other workstation out in between.
        built.numbersVoided = voidNumbers(books, numbered, request.user);
    }

    const ListAccounts accounts = readListAccounts(books);
    const ChequeWording wording(books, request.language);
    const std::vector<SupplierToPay> suppliers = suppliersToPay(books, request);
    OpenItemReader reader(books, Ledger::Payables);
    ChequeStore list(books, ChequeSet::List);
    std::set<std::string> kept;

    store::Transaction transaction(books);
    list.clear();
    const auto add = [&](Cheque cheque, int currency) {
        // A cheque that pays less than nothing is no cheque; one of nothing stays, non-negotiable.
        if (cheque.amount.isNegative()) return;
        const std::optional<std::string> words = wording.words(cheque.amount, currency);
        if (!words) {
            built.tooLarge.push_back(cheque.supplier.empty() ? cheque.name : cheque.supplier);
            return;
        }
        cheque.words = *words;
        cheque.seq = ++built.cheques;
        built.total += cheque.amount;
        list.write(cheque);
    };

    const int inAll = static_cast<int>(suppliers.size());
    if (progress) progress(0, inAll);
    for (int done = 0; done < inAll; ++done) {
        const SupplierToPay& supplier = suppliers[done];
        kept.insert(supplier.code);
        if (std::optional<Cheque> cheque = supplierCheque(reader, supplier, request, accounts)) add(std::move(*cheque), supplier.currency);
        if (progress) progress(done + 1, inAll);
    }
    if (request.includeRecurring) {
        const int currency = BankPosition(books, request.bankAccount).value_or(1) - 1;
        for (Cheque& cheque : recurringCheques(books, request, kept, accounts.taxesPerRate)) {
            const int chequeCurrency = cheque.supplier.empty() ? currency : ChequeCurrency(books, cheque.supplier, cheque.bankAccount());
            add(std::move(cheque), chequeCurrency);
        }
    }
    transaction.commit();
    return built;
}

}  // namespace orvant::cheques
