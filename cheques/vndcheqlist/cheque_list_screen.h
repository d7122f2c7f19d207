#pragma once
// The screen of the list of cheques to be issued: its fields and their rules, the build of a new
// list, and the report run on Print, Preview or Export. No widget here; the form forwards its
// events.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cheque_banks.h"
#include "cheque_list_build.h"
#include "cheque_list_host.h"
#include "cheque_list_report.h"
#include "dates/date.h"
#include "store/database.h"
#include "store/error.h"

namespace orvant::vndcheqlist {

// Messages of the screen. 1 heads the due date on the report (read with the report's texts);
// 2 to 34 keep the number words of the form's message list in their places.
inline constexpr int kListNotEmptyMessage = 0;
inline constexpr int kListNotEmptyUsMessage = 35;
inline constexpr int kListInUseMessage = 36;       // "%1" the user, "%2" the session holding it
inline constexpr int kNumberedChequesMessage = 37;  // "%1" the numbered cheques; Yes voids and rebuilds
inline constexpr int kBuildingMessage = 38;         // the title of the progress of a build
inline constexpr int kOutputFailedMessage = 39;     // "%1" what went wrong
inline constexpr int kUsTitleMessage = 40;
inline constexpr int kUsReportTitleMessage = 41;
inline constexpr int kUsRecurringMessage = 42;
inline constexpr int kUsChequeDateMessage = 43;
inline constexpr int kNumberedChequeMessage = 44;   // a line of message 37: "%1" the number, "%2" the payee
inline constexpr int kNoBankMessage = 45;           // no bank account to draw the cheques on
inline constexpr int kTooLargeMessage = 46;         // "%1" the suppliers left out: their cheque cannot be written
inline constexpr int kListInUseUnnamedMessage = 47; // the list in use on a workstation that cannot be named

struct ChequeListChoices {
    bool createNewList = false;
    bool includeRecurring = false;
    QString chequeDate;  // as typed, in the session's date format
    QString dueBefore;
    int bank = 0;        // index in bankChoices()
    std::string fromSupplier, toSupplier;
    std::vector<std::string> suppliers;
    bool printDialog = true;
};

struct ChequeListSetup {
    std::string dateFormat;
    Date today;
    std::string user;          // who voids numbers in the register
    int language = 1;
    QString companyName, userName;
    CurrencyFormat amounts;    // the registry's symbol and alignment, the control record's signs
    bool usWording = false;
};

class ChequeListScreen {
public:
    // `texts` gives message N of the screen; `reportTexts` the report's texts.
    ChequeListScreen(ChequeListHost& host, store::Database& books, ChequeListSetup setup, ChequeReportTexts reportTexts,
                     std::function<QString(int)> texts);

    ChequeListChoices& choices() { return choices_; }
    const ChequeListChoices& choices() const { return choices_; }
    const std::vector<cheques::ChequeBank>& bankChoices() const { return banks_; }
    bool includeRecurringEnabled() const { return choices_.createNewList; }

    void createNewListChanged(bool on);
    // Leaving a date field; false when the focus was sent back.
    bool leaveChequeDate();
    bool leaveDueBefore();
    void pickFromSupplier();
    void pickToSupplier();
    void addSupplier();
    void removeSupplier(int index);

    // Builds the list when asked, then sends the report out; true when the screen should close.
    bool run(ChequeListOutput how);

private:
    bool leaveDate(const QString& text, ChequeListField field);
    // Builds the list; false when it was not built (refused, or the user chose not to).
    bool buildList(Date chequeDate, Date dueBefore);
    bool confirmVoidingNumbers(const std::vector<cheques::NumberedCheque>& numbered);
    void showListInUse(const std::optional<store::LockHolder>& holder);
    report::ReportDocument report(Date chequeDate, Date dueBefore);

    ChequeListHost& host_;
    store::Database& books_;
    ChequeListSetup setup_;
    ChequeReportTexts reportTexts_;
    std::function<QString(int)> texts_;
    std::vector<cheques::ChequeBank> banks_;
    ChequeListChoices choices_;
};

}  // namespace orvant::vndcheqlist
