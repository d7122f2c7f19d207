#pragma once
// One print run: the cheques of the list drawn on one bank account, checked, laid out on their
// forms, numbered once the printer is ready, printed and kept as a PDF beside the books. A
// cancelled printer dialog or a printer not ready numbers nothing; a printing that fails once
// numbered gives the run's numbers back void. After printing the user names the spoiled
// cheques: their numbers are voided and they stay on the list; the others go to the update.
//
// The run holds the cheque list in shared use from its start to its end, so that the list is
// never rebuilt under it, and the printing of its bank alone, so that no other workstation
// numbers, voids or posts the bank's cheques while this run has them.

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "amount_in_words.h"
#include "bank_print_lock.h"
#include "cheque_banks.h"
#include "cheque_forms.h"
#include "cheque_layout.h"
#include "cheque_list_lock.h"
#include "cheque_painter.h"
#include "cheque_update.h"
#include "number_reservation.h"
#include "report/output_result.h"
#include "run_checks.h"

namespace orvant::vndcheqprint {

// Where the forms go: a printer, chosen (and asked through its dialog) before any number is
// given, then handed the numbered forms.
class ChequePrinter {
public:
    virtual ~ChequePrinter() = default;
    // Done once the printer is ready; Cancelled, or Failed naming the printer not ready, prints
    // and numbers nothing.
    virtual report::OutputResult prepare() = 0;
    virtual report::OutputResult print(const report::ReportDocument& document) = 0;
    // False when the run goes to its PDF only (no printer is set up).
    virtual bool printsOnPaper() const { return true; }
};

struct RunSetup {
    cheques::ChequeBank bank;
    std::string user;
    std::string dateFormat;
    CurrencyFormat amounts;           // the registry's sign and alignment, the control record's signs
    cheques::WordsLanguage language = cheques::WordsLanguage::English;
    QString pdfFolder;                // every run's PDF is kept there, named by bank and first number
    QString title;                    // names the print job
    cheques::ChequeUpdateContext periods;  // how a cheque date finds its period
    store::LockRetry lockRetry;
};

// NotReady: the printer was not ready and nothing was numbered; Failed: the printing failed once
// numbered, and the run's numbers were voided.
enum class RunOutcome { Printed, NothingToPrint, Refused, Cancelled, NotReady, Failed, ChangedElsewhere };

struct RunResult {
    RunOutcome outcome = RunOutcome::Printed;
    std::vector<RunProblem> problems;  // Refused
    QString why;                       // NotReady: the printer; Failed: what the printer or the PDF said
    int seq = 0;                       // ChangedElsewhere: the cheque
    QString pdf;                       // Printed: the run's PDF

    static RunResult of(RunOutcome outcome, QString why = {})
    {
        RunResult result;
        result.outcome = outcome;
        result.why = std::move(why);
        return result;
    }
};

class ChequeRun {
public:
    // Throws the store's locked error naming the holder while the list is being rebuilt, and
    // BankBeingPrinted while another workstation prints the bank's cheques.
    ChequeRun(store::Database& books, RunSetup setup);

    const std::vector<cheques::Cheque>& cheques() const { return cheques_; }
    const std::vector<ChequeForm>& forms() const { return forms_; }
    const cheques::ChequeLayout& layout() const { return layout_; }

    // A first number typed below the counter or already given warns before the run.
    FirstNumberCheck checkFirstNumber(int first);
    // Checks, prepares the printer, numbers from `first`, keeps the PDF, prints.
    RunResult print(int first, ChequePrinter& printer);

    // The forms as they would print, without numbers: specimens, `specimen` across each cheque.
    report::ReportDocument preview(const std::string& specimen) const;
    // The form test: made-up values on the company's form, numbered with zeros from no counter.
    report::ReportDocument alignment() const;

    // After printing: the cheques (by seq) that came out spoiled lose their numbers.
    void voidSpoiled(const std::vector<int>& seqs);
    // The printed cheques to post, the spoiled ones left out.
    std::vector<cheques::PrintedCheque> toUpdate() const;

private:
    FormTexts formTexts() const;
    QString pdfPath(const std::string& first) const;

    store::Database& books_;
    RunSetup setup_;
    cheques::ChequeListLock listLock_;
    std::unique_ptr<store::LockHandle> bankLock_;
    cheques::ChequeLayout layout_;
    std::vector<cheques::Cheque> cheques_;
    std::vector<ChequeForm> forms_;
    std::vector<int> spoiled_;
};

}  // namespace orvant::vndcheqprint
