#pragma once
// The screen of the undo of payables transactions: the suppliers, the chosen supplier's
// statement, the undo of a statement item after the question that lists everything it removes,
// and the supplier's undone transactions with their report. No widget here; the form forwards
// its events.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "dates/date.h"
#include "deleted_transactions_report.h"
#include "money/currency_format.h"
#include "payables_undo.h"
#include "store/database.h"
#include "undo_host.h"
#include "undo_report.h"

namespace orvant::vndundo {

// Messages of the screen. 0 to 4 name the ledger types; 5 asks before an undo and 6 refuses one.
inline constexpr int kPurchaseName = 0;
inline constexpr int kDebitNoteName = 1;
inline constexpr int kCreditNoteName = 2;
inline constexpr int kAdjustmentName = 3;
inline constexpr int kPaymentName = 4;
inline constexpr int kConfirmUndo = kConfirmMessage;  // "%1" what the undo removes
inline constexpr int kRefused = kRefusedMessage;      // "%1" why
// 7 to 17: why an undo is refused, "%1" the invoice, reference or table concerned.
inline constexpr int kFirstRefusalReason = 7;
inline constexpr int kCascadeItem = 18;       // "%1" type, "%2" invoice, "%3" reference, "%4" date, "%5" amount
inline constexpr int kReopenedInvoices = 19;  // "%1" the invoices
inline constexpr int kLedgerPeriods = 20;     // "%1" the periods already handed to the general ledger
inline constexpr int kVoidedCheque = 21;      // "%1" the cheque number
inline constexpr int kBalanceChange = 22;     // "%1" the change of the supplier's balance
inline constexpr int kWaitingForSupplier = 23;  // followed by who holds the supplier
inline constexpr int kUndoing = 24;
inline constexpr int kOutputFailed = 25;      // "%1" what went wrong
inline constexpr int kUnknownSupplier = 26;   // "%1" the code typed
inline constexpr int kHoldbackName = 27;
inline constexpr int kInvoiceNumberShared = 28;  // why an undo is refused, "%1" the invoice
// 29 to 32: what else an undo waits for, each followed by who holds it.
inline constexpr int kWaitingForChequeList = 29;
inline constexpr int kWaitingForControlRecord = 30;
inline constexpr int kWaitingForChequeLine = 31;
inline constexpr int kWaitingForUndo = 32;
inline constexpr int kLastMessage = kWaitingForUndo;

enum class UndoTab { Suppliers, Statement, Undone };

struct SupplierRow {
    std::string code, name, telephone;
    int currency = 0;
};

struct UndoSetup {
    std::string dateFormat;
    std::string user;    // the session's UserId: kept on the audit copies, printed on the report
    QString companyName;
    CurrencyFormat amounts;  // the registry's symbol and alignment, the control record's signs
    bool intl = false;       // the registry's Intl is "Y": the report's tax columns are numbered
    std::function<DateTime()> now = DateTime::now;
};

class UndoScreen {
public:
    // `texts` gives message N of the screen; `reportTexts` the report's texts.
    UndoScreen(UndoHost& host, store::Database& books, UndoSetup setup, DeletedReportTexts reportTexts,
               std::function<QString(int)> texts);

    const std::vector<SupplierRow>& suppliers() const { return suppliers_; }
    int currentSupplier() const { return supplier_; }  // a row of suppliers(), or -1
    const std::vector<LedgerItem>& statement() const { return statement_; }
    const UndoReportData& undone() const { return undone_; }
    int currentUndone() const { return undoneRow_; }  // a row of undone().items, or -1
    // The lines of the current undone item: its G/L distribution.
    std::vector<UndoneLine> currentLines() const;

    // How the grids show their values.
    QString typeName(const std::string& type) const;
    QString dateText(Date date) const;
    QString timeText(DateTime time) const;
    QString amountText(Money amount) const;

    // The supplier's row chosen in the list, or its code typed or picked.
    void chooseSupplier(int row);
    bool leaveSupplierCode(const QString& code);
    void pickSupplier();
    // The tab shown: the supplier's currency sign in use, the focus in the tab's grid.
    void tabChanged(UndoTab tab);
    void chooseUndone(int row);

    // Undoes the statement's item at `row` (the button or Delete in the grid) once the user has
    // seen what goes with it and said Yes. True when it was undone.
    bool undoItem(int row);

    // The report of the supplier's undone transactions; true when the screen should close.
    bool run(report::ReportOutput how);

private:
    void reload();
    QString cascadeText(const UndoCascade& cascade) const;
    void refuse(const UndoRefusal& refusal);
    std::variant<UndoDone, UndoRefusal> runConfirmed(const UndoCascade& cascade, bool& gaveUp);

    UndoHost& host_;
    store::Database& books_;
    UndoSetup setup_;
    DeletedReportTexts reportTexts_;
    std::function<QString(int)> texts_;
    std::vector<SupplierRow> suppliers_;
    int supplier_ = -1;
    std::vector<LedgerItem> statement_;
    UndoReportData undone_;
    int undoneRow_ = -1;
};

}  // namespace orvant::vndundo
