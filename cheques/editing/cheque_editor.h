#pragma once
// The editing of one cheque at a time, without widgets, shared by "Edit cheque entries" (the
// cheque list) and "Recurring cheque entries" (the recurring cheques): browsing the cheques,
// a new cheque, its supplier or payee, the invoices it pays, its distribution, Save, Cancel and
// Delete. The form forwards its events here and shows the state through ChequeEditorHost;
// tests drive this class directly.
//
// Slots 1 (the payable: what the lines settle) and 2 (the bank: the cash paid) follow the lines
// and are never typed; slots 3 to 10 are proposed from the lines and may be changed. On the cheque
// list no supplier item is paid by two cheques, and the editor holds the list in use (shared)
// for as long as it is open, so a rebuild cannot empty the list under it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cheque_editor_host.h"
#include "cheque_list_lock.h"
#include "cheque_messages.h"
#include "cheque_record.h"
#include "cheque_words.h"
#include "editor_books.h"
#include "session/session.h"
#include "store/lock_retry.h"

namespace orvant::cheques {

enum class EditorMode { Browse, Edit, Insert };

enum class PayeeField { Name, Address1, Address2, City, PostalCode, Province, Country };

class ChequeWriter;

class ChequeEditor {
public:
    using Today = std::function<Date()>;

    // Opens the editor on the first cheque, in browse mode. On the cheque list it takes the
    // list in use first: while a build holds it, the store's locked error naming the holder is
    // thrown and nothing opens.
    ChequeEditor(store::Database& books, ChequeSet set, ChequeEditorHost& host, const Session& session,
                 Today today = &Date::today, store::LockRetry retry = {});
    ~ChequeEditor();
    ChequeEditor(const ChequeEditor&) = delete;
    ChequeEditor& operator=(const ChequeEditor&) = delete;

    // The state shown.
    ChequeSet set() const { return set_; }
    EditorMode mode() const { return mode_; }
    bool inputEnabled() const { return mode_ != EditorMode::Browse; }
    // Whether a cheque is shown: an empty set shows none until one is inserted.
    bool hasCheque() const { return mode_ != EditorMode::Browse || stored_.has_value(); }
    // The cheque shown, with the lines being typed.
    const Cheque& cheque() const { return cheque_; }
    int slotAccount(int slot) const { return cheque_.accounts.at(static_cast<std::size_t>(slot - 1)); }  // slot 1 to 10
    Money slotAmount(int slot) const { return cheque_.slotAmounts.at(static_cast<std::size_t>(slot - 1)); }
    const std::vector<ChequeBank>& bankEntries() const { return books_.bankEntries(); }
    // The entry of the cheque's bank account; nothing when the list has no such entry.
    std::optional<int> bankEntry() const { return books_.bankEntryOf(cheque_.bankAccount()); }
    // A cheque to a supplier is drawn on the supplier's bank account; any other on any.
    bool bankEnabled() const { return inputEnabled() && cheque_.supplier.empty(); }
    // The supplier of a cheque with lines cannot change; recurring cheques have none.
    bool supplierCodeEditable() const { return inputEnabled() && set_ == ChequeSet::List && cheque_.lines.empty(); }
    // The currency the amounts are shown in: the supplier's, or the bank account's.
    int currency() const;
    // What the line's item still owes in the supplier's ledger; nothing for a line that pays no
    // supplier item.
    std::optional<Money> openBalance(int line) const;
    // Set when a line's amounts change; the distribution is proposed again from the lines.
    bool distributionStale() const { return stale_; }

    // The navigator. Moves are ignored while a cheque is being edited.
    void first();
    void prior();
    void next();
    void last();
    // Reads the cheques again, staying on the one shown when it is still there.
    void refresh();
    void insert();
    // Edits the cheque shown as it now stands in the books. False when there is nothing to edit,
    // it was deleted elsewhere meanwhile, or the user keeps a printed cheque as it is.
    bool edit();
    void cancel();
    // Deletes the cheque shown, read again and confirmed, with its lines and tax lines; false
    // when nothing was deleted.
    bool remove();
    // Checks and stores the cheque typed; `from` is the page showing. False when refused: the
    // cheque stays in edit (or, changed on another workstation, is shown again as stored).
    bool save(EditorPage from);

    // The header.
    void enterSupplier();
    // False when the code is refused (unknown, or changed on a cheque with lines).
    bool leaveSupplier(const std::string& text);
    void pickSupplier();
    // Copies another supplier's name and address as the payee, the supplier code unchanged.
    void pickPayee();
    // False when the user keeps the former date (a discount it would make late).
    bool leaveDate(Date date);
    void setPayee(PayeeField field, const std::string& text);
    void setBank(int entry);

    // The lines (rows from 0). A row is added empty; a row left without invoice is dropped at
    // Save, or refuses the save while it holds an amount.
    int addLine();
    // False when the invoice is refused; the row then keeps the item it paid before.
    bool leaveInvoice(int row, const std::string& text);
    // "List of invoices" for the row (a new row when `row` is past the last one).
    bool pickInvoice(int row);
    void setLineDate(int row, Date date);
    void setLineDueDate(int row, Date date);
    // False when refused; the row keeps its former value (a recurring cheque's negative value
    // turns to 0).
    bool setLineAmount(int row, Money amount);
    bool setLineDiscount(int row, Money discount);
    void deleteLine(int row);

    // The distribution (slots 1 to 10; only 3 to 10 take input).
    void pageShown(EditorPage page);
    // False when the account is refused; skipping the checks (the focus moving to Exit, Help
    // or a picker) keeps the text as typed for Save to check.
    bool leaveSlotAccount(int slot, const std::string& text, bool skipChecks = false);
    void pickSlotAccount(int slot);
    void setSlotAmount(int slot, Money amount);

private:
    void show(std::optional<int> seq);
    void showAt(std::size_t position);
    void readSequences();
    bool showNear(int seq);
    bool readShownAgain();
    void applySupplier(const ChequeSupplier& supplier, bool copyAddress);
    void copyPayee(const SupplierFacts& facts, const std::string& country);
    void linesChanged();
    void rebuildWords();
    ChequeLine* line(int row);
    bool itemRefused(int row, const OpenItem& item);
    bool refuse(ChequeMessage message, EditorField field, int row = -1);
    bool checkLines();
    bool checkDistribution();
    void askTaxes();
    bool finishSave(int seq);

    EditorBooks books_;
    ChequeStore store_;
    ChequeSet set_;
    ChequeEditorHost& host_;
    const Session& session_;
    Today today_;
    store::LockRetry retry_;
    std::optional<ChequeListLock> inUse_;
    ChequeWording wording_;
    std::unique_ptr<ChequeWriter> writer_;

    std::vector<int> sequences_;
    std::size_t position_ = 0;
    std::optional<Cheque> stored_;  // the cheque as read when shown
    Cheque cheque_;
    EditorMode mode_ = EditorMode::Browse;
    bool stale_ = false;
    std::optional<ChequeSupplier> supplier_;
    std::vector<OpenItem> items_;  // the supplier's items, as read when it was accepted
    std::string enteredCode_;
};

}  // namespace orvant::cheques
