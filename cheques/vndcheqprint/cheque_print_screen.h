#pragma once
// The screen "Print and update cheques": the first cheque number (proposed from the chosen bank
// account's counter), the bank account, the printer dialog box; Print runs the cheques of that
// bank, asks at "End of printing" which came out well and posts those. Cheques left numbered by
// a printing that was never confirmed, or whose update stopped on an error, are offered in "End
// of printing" again: each ticked is posted as printed, each unticked has its number voided. A
// bank another workstation is printing is left to it. No widget here; the form forwards its
// events.

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cheque_banks.h"
#include "cheque_print_host.h"
#include "cheque_update.h"
#include "store/database.h"

namespace orvant::vndcheqprint {

// Messages of the screen. 0 to 11 are the months in the screen's language, 15 to 26 in the
// other, by which a cheque date finds its period.
inline constexpr int kFirstMonthMessage = 0;
inline constexpr int kNothingToPrintMessage = 13;
inline constexpr int kPeriodCaptionMessage = 14;
inline constexpr int kOtherMonthMessage = 15;
inline constexpr int kBelowCounterMessage = 27;    // "%1" the counter, "%2" the number typed; Yes prints
inline constexpr int kNumberUsedMessage = 28;      // "%1" the number; Yes prints, passing used numbers over
inline constexpr int kRefusedMessage = 29;         // "%1" the problems, one a line
inline constexpr int kLayoutProblemMessage = 30;   // "%1" what is wrong with the form
inline constexpr int kStubTooShortMessage = 31;
inline constexpr int kAccountMissingMessage = 32;  // "%1" the cheque, "%2" the account
inline constexpr int kNoPeriodMessage = 33;        // "%1" the cheque, "%2" the date
inline constexpr int kItemNotOpenMessage = 34;     // "%1" the cheque, "%2" the invoice
inline constexpr int kCurrenciesMessage = 35;      // "%1" the cheque
inline constexpr int kPrintFailedMessage = 36;     // "%1" what went wrong
inline constexpr int kChangedElsewhereMessage = 37;  // "%1" the cheque
inline constexpr int kListInUseMessage = 38;       // "%1" the user, "%2" the session
inline constexpr int kLeftNumberedMessage = 39;    // End of printing's note on cheques left numbered
inline constexpr int kPdfOnlyNoteMessage = 40;     // End of printing's note on a run only in its PDF "%1"
inline constexpr int kPostedMessage = 41;          // "%1" how many
inline constexpr int kNotPostedMessage = 42;       // "%1" the cheques left on the list
inline constexpr int kOverPaidMessage = 43;        // "%1" the cheques posted beyond their invoices
inline constexpr int kPdfOnlyMessage = 44;         // "%1" the PDF
inline constexpr int kNoBankMessage = 45;
inline constexpr int kPeriodPromptMessage = 46;    // "%1" the date
inline constexpr int kUsTitleMessage = 47;
inline constexpr int kUsNumberLabelMessage = 48;
inline constexpr int kUsEndOfPrintingMessage = 49;
inline constexpr int kChequeLineMessage = 50;      // a cheque named in a message: "%1" the seq, "%2" the payee
inline constexpr int kBankInUseMessage = 51;       // "%1" the bank, "%2" the user, "%3" the session
inline constexpr int kPrinterNotReadyMessage = 52;  // "%1" the printer; nothing was numbered
inline constexpr int kFormsNotPrintedMessage = 53;  // "%1" what went wrong; no number was used
inline constexpr int kUpdateStoppedMessage = 54;   // "%1" the error
inline constexpr int kAllVoidedMessage = 55;
inline constexpr int kPdfKeptNoteMessage = 56;     // End of printing's note on a paper run: "%1" its PDF
inline constexpr int kUsChequeColumnMessage = 57;
inline constexpr int kUntickNoteMessage = 58;      // End of printing: what unticking a cheque does
inline constexpr int kUsUntickNoteMessage = 59;
// 60 to 66: what is wrong with the form, one per cheques::LayoutFault in its order; those of an
// item: "%1" its number from 1, "%2" its text.
inline constexpr int kFirstLayoutFaultMessage = 60;
inline constexpr int kSpecimenMessage = 67;        // across the cheque of a previewed form

struct ChequePrintSetup {
    std::string user;
    int language = 1;
    std::string dateFormat;
    CurrencyFormat amounts;
    QString pdfFolder;
    QString title;  // names the print jobs
    bool usWording = false;
};

class ChequePrintScreen {
public:
    ChequePrintScreen(ChequePrintHost& host, store::Database& books, ChequePrintSetup setup, std::function<QString(int)> texts);

    const std::vector<cheques::ChequeBank>& bankChoices() const { return banks_; }
    int bank() const { return bank_; }
    QString& chequeNumber() { return chequeNumber_; }
    bool& printDialog() { return printDialog_; }

    // Cheques left numbered by an earlier printing, on banks no other workstation is printing:
    // each posted or voided at "End of printing", or all left as they are.
    void offerLeftNumbered();
    // Another bank account: its counter is proposed.
    void bankChosen(int index);
    // Leaving the number: a whole number, else the focus stays.
    bool leaveChequeNumber();
    // Prints, asks "End of printing" and posts; true when the screen closes.
    bool print();
    // The forms as they would print, without numbers.
    void preview();
    // The form test on the printer, using no number.
    void alignmentTest();

private:
    cheques::ChequeUpdateContext updateContext();
    RunSetup runSetup();
    std::optional<int> firstNumber();
    bool confirmFirstNumber(ChequeRun& run, int first);
    void reportRefusal(const ChequeRun& run, const std::vector<RunProblem>& problems);
    // What is wrong with the form, in the screen's language.
    QString layoutFault(const RunProblem& problem) const;
    void reportUpdate(const cheques::ChequeUpdateReport& report);
    // Voids and posts as `work` does; false, said, when a store error stopped it half-way.
    bool settle(const std::function<void()>& work);
    // What "End of printing" says under its text: what unticking does, then `more`.
    QString endOfPrintingNote(const QString& more) const;
    PrintedRow rowOf(int seq, const std::string& number, const std::string& payee, Money amount, int currency) const;
    // The run, or nothing when the list is being rebuilt or the bank printed elsewhere (said).
    std::unique_ptr<ChequeRun> openRun();
    QString chequeName(const cheques::Cheque& cheque) const;

    ChequePrintHost& host_;
    store::Database& books_;
    ChequePrintSetup setup_;
    std::function<QString(int)> texts_;
    std::vector<cheques::ChequeBank> banks_;
    int bank_ = 0;
    QString chequeNumber_;
    bool printDialog_ = false;
};

}  // namespace orvant::vndcheqprint
