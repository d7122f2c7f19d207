#include "cheque_print_screen.h"

#include <QDir>
#include <algorithm>
#include <map>

#include "cheque_list_build.h"
#include "cheque_list_lock.h"
#include "cheque_numbers.h"
#include "cheque_words.h"
#include "dates/date_format.h"
#include "report/pdf_export.h"
#include "store/error.h"

namespace orvant::vndcheqprint {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

// Every button off while a run prints and posts, back on however it ends.
class Busy {
public:
    explicit Busy(ChequePrintHost& host) : host_(host) { host_.setBusy(true); }
    ~Busy() { host_.setBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    ChequePrintHost& host_;
};

}  // namespace

ChequePrintScreen::ChequePrintScreen(ChequePrintHost& host, store::Database& books, ChequePrintSetup setup,
                                     std::function<QString(int)> texts)
    : host_(host), books_(books), setup_(std::move(setup)), texts_(std::move(texts)), banks_(cheques::ReadChequeBanks(books))
{
    bankChosen(0);
}

void ChequePrintScreen::bankChosen(int index)
{
    bank_ = std::clamp(index, 0, std::max(0, static_cast<int>(banks_.size()) - 1));
    chequeNumber_ = banks_.empty() ? QString() : QString::number(cheques::NextChequeNumber(books_, banks_[bank_].position));
    host_.refresh();
}

std::optional<int> ChequePrintScreen::firstNumber() { return cheques::ChequeNumberOf(chequeNumber_.toStdString()); }

bool ChequePrintScreen::leaveChequeNumber()
{
    if (firstNumber()) return true;
    host_.focus(PrintField::ChequeNumber);
    return false;
}

cheques::ChequeUpdateContext ChequePrintScreen::updateContext()
{
    cheques::ChequeUpdateContext context;
    context.user = setup_.user;
    for (int month = 0; month < 12; ++month) {
        context.firstMonths[month] = texts_(kFirstMonthMessage + month).toStdString();
        context.secondMonths[month] = texts_(kOtherMonthMessage + month).toStdString();
    }
    context.askPeriod = [this](const Date& date) { return host_.askPeriod(date); };
    return context;
}

RunSetup ChequePrintScreen::runSetup()
{
    RunSetup run;
    run.bank = banks_.at(bank_);
    run.user = setup_.user;
    run.dateFormat = setup_.dateFormat;
    run.amounts = setup_.amounts;
    run.language = cheques::WordsLanguageOf(setup_.language);
    run.pdfFolder = setup_.pdfFolder;
    run.title = setup_.title;
    run.periods = updateContext();
    return run;
}

std::unique_ptr<ChequeRun> ChequePrintScreen::openRun()
{
    try {
        return std::make_unique<ChequeRun>(books_, runSetup());
    } catch (const BankBeingPrinted& e) {
        const auto& holder = e.holder();
        host_.message(kBankInUseMessage, ui::MessageKind::Warning,
                      {qt(banks_.at(bank_).description), holder ? qt(holder->user) : QString(),
                       holder ? QString::number(holder->session) : QString()});
        return nullptr;
    } catch (const store::StoreError& e) {
        if (!e.isRecordLocked()) throw;
        const auto& holder = e.holder();
        host_.message(kListInUseMessage, ui::MessageKind::Warning,
                      {holder ? qt(holder->user) : QString(), holder ? QString::number(holder->session) : QString()});
        return nullptr;
    }
}

PrintedRow ChequePrintScreen::rowOf(int seq, const std::string& number, const std::string& payee, Money amount, int currency) const
{
    CurrencyFormat amounts = setup_.amounts;
    amounts.use(currency);
    return {seq, qt(number), qt(payee), qt(amounts.format(amount))};
}

QString ChequePrintScreen::endOfPrintingNote(const QString& more) const
{
    const QString untick = texts_(setup_.usWording ? kUsUntickNoteMessage : kUntickNoteMessage);
    return more.isEmpty() ? untick : untick + "\n" + more;
}

bool ChequePrintScreen::settle(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const store::StoreError& e) {
        host_.message(kUpdateStoppedMessage, ui::MessageKind::Error, {QString::fromUtf8(e.what())});
        return false;
    }
}

void ChequePrintScreen::offerLeftNumbered()
{
    // Only the banks no other workstation is printing, held until their cheques are settled.
    std::vector<std::unique_ptr<store::LockHandle>> held;
    std::map<int, const cheques::ChequeBank*> free;
    for (const cheques::ChequeBank& bank : banks_) {
        try {
            held.push_back(HoldBankForPrinting(books_, bank.account));
            free[bank.account] = &bank;
        } catch (const BankBeingPrinted&) {
        }
    }
    std::vector<cheques::NumberedCheque> left;
    std::vector<PrintedRow> rows;
    for (const cheques::NumberedCheque& c : cheques::NumberedCheques(books_)) {
        if (!free.count(c.bankAccount)) continue;
        left.push_back(c);
        rows.push_back(rowOf(c.seq, c.number, c.payee, c.amount, free[c.bankAccount]->currency()));
    }
    if (left.empty()) return;
    const std::optional<std::vector<int>> spoiled = host_.endOfPrinting(rows, endOfPrintingNote(texts_(kLeftNumberedMessage)));
    if (!spoiled) return;
    Busy busy(host_);
    std::map<int, std::vector<NumberToVoid>> toVoid;
    std::vector<cheques::PrintedCheque> printed;
    for (const cheques::NumberedCheque& c : left) {
        if (std::find(spoiled->begin(), spoiled->end(), c.seq) != spoiled->end()) toVoid[c.bankAccount].push_back({c.seq, c.number});
        else printed.push_back({c.seq, c.number, c.bankAccount, std::nullopt});
    }
    settle([&] {
        for (const auto& [account, numbers] : toVoid) VoidNumbers(books_, free[account]->position, setup_.user, numbers);
        if (!printed.empty()) reportUpdate(cheques::ChequeUpdate(books_, updateContext()).run(printed));
    });
    bankChosen(bank_);
}

bool ChequePrintScreen::confirmFirstNumber(ChequeRun& run, int first)
{
    const FirstNumberCheck check = run.checkFirstNumber(first);
    const QString typed = QString::number(first);
    if (check.belowCounter &&
        host_.message(kBelowCounterMessage, ui::MessageKind::Question, {QString::number(check.counter), typed}) != ui::Answer::Yes)
        return false;
    return !check.alreadyUsed || host_.message(kNumberUsedMessage, ui::MessageKind::Question, {typed}) == ui::Answer::Yes;
}

QString ChequePrintScreen::chequeName(const cheques::Cheque& cheque) const
{
    return texts_(kChequeLineMessage).arg(cheque.seq).arg(qt(cheque.name));
}

bool ChequePrintScreen::print()
{
    const std::optional<int> first = firstNumber();
    if (!first) {
        host_.focus(PrintField::ChequeNumber);
        return false;
    }
    if (banks_.empty()) {
        host_.message(kNoBankMessage, ui::MessageKind::Warning);
        return false;
    }
    Busy busy(host_);
    std::unique_ptr<ChequeRun> run = openRun();
    if (!run) return false;
    if (run->cheques().empty()) {
        host_.message(kNothingToPrintMessage, ui::MessageKind::Information);
        return false;
    }
    if (!confirmFirstNumber(*run, *first)) {
        host_.focus(PrintField::ChequeNumber);
        return false;
    }
    const std::unique_ptr<ChequePrinter> printer = host_.printer(printDialog_);
    const RunResult result = run->print(*first, *printer);
    switch (result.outcome) {
    case RunOutcome::Printed: break;
    case RunOutcome::NothingToPrint: host_.message(kNothingToPrintMessage, ui::MessageKind::Information); return false;
    case RunOutcome::Refused: reportRefusal(*run, result.problems); return false;
    case RunOutcome::Cancelled: return false;
    case RunOutcome::NotReady: host_.message(kPrinterNotReadyMessage, ui::MessageKind::Error, {result.why}); return false;
    case RunOutcome::Failed: host_.message(kPrintFailedMessage, ui::MessageKind::Error, {result.why}); return false;
    case RunOutcome::ChangedElsewhere: {
        const auto& all = run->cheques();
        const auto changed = std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.seq == result.seq; });
        host_.message(kChangedElsewhereMessage, ui::MessageKind::Warning, {changed == all.end() ? QString::number(result.seq) : chequeName(*changed)});
        return false;
    }
    }
    QString where = texts_(kPdfKeptNoteMessage).arg(result.pdf);
    if (!printer->printsOnPaper()) {
        host_.message(kPdfOnlyMessage, ui::MessageKind::Information, {result.pdf});
        where = texts_(kPdfOnlyNoteMessage).arg(result.pdf);
    }

    std::vector<PrintedRow> rows;
    for (const ChequeForm& form : run->forms())
        if (!form.continuation)
            rows.push_back(rowOf(form.cheque->seq, form.number, form.cheque->name, form.cheque->amount, banks_[bank_].currency()));
    const std::optional<std::vector<int>> spoiled = host_.endOfPrinting(rows, endOfPrintingNote(where));
    // Cancel leaves the run numbered; the next start offers to post or void it.
    if (!spoiled) return true;
    const bool settled = settle([&] {
        run->voidSpoiled(*spoiled);
        if (const auto printed = run->toUpdate(); !printed.empty())
            reportUpdate(cheques::ChequeUpdate(books_, updateContext()).run(printed));
        else
            host_.message(kAllVoidedMessage, ui::MessageKind::Information);
    });
    if (!settled) {
        // The cheques printed but not posted keep their numbers: each is posted or voided now,
        // never numbered and printed again.
        run.reset();
        offerLeftNumbered();
    }
    return true;
}

void ChequePrintScreen::reportRefusal(const ChequeRun& run, const std::vector<RunProblem>& problems)
{
    const auto nameOf = [&](int seq) {
        for (const cheques::Cheque& c : run.cheques())
            if (c.seq == seq) return chequeName(c);
        return QString::number(seq);
    };
    QStringList lines;
    for (const RunProblem& p : problems) {
        const QString detail = qt(p.detail);
        switch (p.fault) {
        case RunFault::Layout: lines << texts_(kLayoutProblemMessage).arg(layoutFault(p)); break;
        case RunFault::StubTooShort: lines << texts_(kStubTooShortMessage); break;
        case RunFault::AccountMissing: lines << texts_(kAccountMissingMessage).arg(nameOf(p.seq), detail); break;
        case RunFault::NoPeriod:
            lines << texts_(kNoPeriodMessage).arg(nameOf(p.seq), qt(FormatDate(*Date::fromIso(p.detail), setup_.dateFormat)));
            break;
        case RunFault::ItemNotOpen: lines << texts_(kItemNotOpenMessage).arg(nameOf(p.seq), detail); break;
        case RunFault::MixedCurrencies: lines << texts_(kCurrenciesMessage).arg(nameOf(p.seq)); break;
        }
    }
    host_.message(kRefusedMessage, ui::MessageKind::Warning, {lines.join("\n")});
}

// One message per fault of the form, the specimen words after the last.
static_assert(kFirstLayoutFaultMessage + static_cast<int>(cheques::LayoutFault::ItemFont) + 1 == kSpecimenMessage);

QString ChequePrintScreen::layoutFault(const RunProblem& problem) const
{
    const QString text = texts_(kFirstLayoutFaultMessage + static_cast<int>(problem.layout.fault));
    return problem.layout.item < 0 ? text : text.arg(QString::number(problem.layout.item + 1), qt(problem.detail));
}

void ChequePrintScreen::reportUpdate(const cheques::ChequeUpdateReport& report)
{
    int posted = 0;
    QStringList notPosted, overPaid;
    for (const cheques::ChequeUpdateResult& c : report.cheques) {
        if (cheques::IsPosted(c.outcome)) ++posted;
        else notPosted << qt(c.number);
        if (c.outcome == cheques::UpdateOutcome::OverPaid) overPaid << qt(c.number);
    }
    if (posted > 0) host_.message(kPostedMessage, ui::MessageKind::Information, {QString::number(posted)});
    if (!overPaid.isEmpty()) host_.message(kOverPaidMessage, ui::MessageKind::Warning, {overPaid.join(", ")});
    if (!notPosted.isEmpty()) host_.message(kNotPostedMessage, ui::MessageKind::Warning, {notPosted.join(", ")});
}

void ChequePrintScreen::preview()
{
    if (banks_.empty()) return;
    const std::unique_ptr<ChequeRun> run = openRun();
    if (!run) return;
    if (run->cheques().empty()) {
        host_.message(kNothingToPrintMessage, ui::MessageKind::Information);
        return;
    }
    host_.preview(run->preview(texts_(kSpecimenMessage).toStdString()));
}

void ChequePrintScreen::alignmentTest()
{
    if (banks_.empty()) return;
    const std::unique_ptr<ChequeRun> run = openRun();
    if (!run) return;
    const std::unique_ptr<ChequePrinter> printer = host_.printer(printDialog_);
    report::OutputResult result = printer->prepare();
    if (result.status == report::OutputResult::Status::Failed) {
        host_.message(kPrinterNotReadyMessage, ui::MessageKind::Error, {result.message});
        return;
    }
    if (!result.ok()) return;
    if (printer->printsOnPaper()) result = printer->print(run->alignment());
    else {
        const QString pdf = QDir(setup_.pdfFolder).filePath("alignment.pdf");
        QDir().mkpath(setup_.pdfFolder);
        result = report::exportPdf(run->alignment(), pdf);
        if (result.ok()) host_.message(kPdfOnlyMessage, ui::MessageKind::Information, {pdf});
    }
    if (result.status == report::OutputResult::Status::Failed) host_.message(kFormsNotPrintedMessage, ui::MessageKind::Error, {result.message});
}

}  // namespace orvant::vndcheqprint
