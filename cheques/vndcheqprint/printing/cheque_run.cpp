#include "cheque_run.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "cheque_layout_store.h"
#include "cheque_words.h"
#include "report/pdf_export.h"

namespace orvant::vndcheqprint {

namespace {

constexpr const char* kAlignmentPayee = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";

RunOutcome NotPreparedOutcome(const report::OutputResult& result)
{
    return result.status == report::OutputResult::Status::Cancelled ? RunOutcome::Cancelled : RunOutcome::NotReady;
}

}  // namespace

ChequeRun::ChequeRun(store::Database& books, RunSetup setup)
    : books_(books), setup_(std::move(setup)), listLock_(cheques::ChequeListLock::take(books, cheques::ChequeListUse::Shared)),
      bankLock_(HoldBankForPrinting(books, setup_.bank.account)), layout_(cheques::ReadChequeLayout(books)),
      cheques_(ChequesOfBank(books, setup_.bank.account))
{
}

FirstNumberCheck ChequeRun::checkFirstNumber(int first)
{
    return CheckFirstNumber(books_, setup_.bank.position, first, setup_.user, setup_.lockRetry);
}

RunResult ChequeRun::print(int first, ChequePrinter& printer)
{
    if (cheques_.empty()) return RunResult::of(RunOutcome::NothingToPrint);
    cheques::ChequePeriods periods(books_, setup_.periods);
    if (auto problems = CheckRun(books_, layout_, cheques_, periods); !problems.empty()) {
        RunResult refused = RunResult::of(RunOutcome::Refused);
        refused.problems = std::move(problems);
        return refused;
    }
    if (const report::OutputResult ready = printer.prepare(); !ready.ok()) return RunResult::of(NotPreparedOutcome(ready), ready.message);

    std::vector<ChequeForm> forms = LayOutForms(cheques_, layout_);
    try {
        ReserveNumbers(books_, setup_.bank.position, first, setup_.user, forms, setup_.lockRetry);
    } catch (const ChequeChangedElsewhere& e) {
        RunResult changed = RunResult::of(RunOutcome::ChangedElsewhere);
        changed.seq = e.seq();
        return changed;
    }
    const report::ReportDocument document = PaintForms(forms, layout_, formTexts(), setup_.title);
    // The PDF first: a run that cannot be kept prints no paper.
    const QString pdf = pdfPath(forms.front().number);
    report::OutputResult done = report::exportPdf(document, pdf);
    if (done.ok()) done = printer.print(document);
    if (!done.ok()) {
        QFile::remove(pdf);
        VoidNumbers(books_, setup_.bank.position, setup_.user, NumbersOfForms(forms), setup_.lockRetry);
        return RunResult::of(RunOutcome::Failed, done.message);
    }
    forms_ = std::move(forms);
    RunResult printed = RunResult::of(RunOutcome::Printed);
    printed.pdf = pdf;
    return printed;
}

report::ReportDocument ChequeRun::preview(const std::string& specimen) const
{
    FormTexts texts = formTexts();
    texts.specimen = specimen;
    return PaintForms(LayOutForms(cheques_, layout_), layout_, texts, setup_.title);
}

report::ReportDocument ChequeRun::alignment() const
{
    const AlignmentSample sample = MakeAlignmentSample(layout_, kAlignmentPayee);
    return PaintForms(sample.forms, layout_, formTexts(), setup_.title);
}

void ChequeRun::voidSpoiled(const std::vector<int>& seqs)
{
    std::vector<NumberToVoid> numbers;
    for (const ChequeForm& form : forms_) {
        const int seq = form.cheque->seq;
        if (form.continuation || std::find(seqs.begin(), seqs.end(), seq) == seqs.end()) continue;
        if (std::find(spoiled_.begin(), spoiled_.end(), seq) != spoiled_.end()) continue;
        numbers.push_back({seq, form.number});
        spoiled_.push_back(seq);
    }
    if (!numbers.empty()) VoidNumbers(books_, setup_.bank.position, setup_.user, numbers, setup_.lockRetry);
}

std::vector<cheques::PrintedCheque> ChequeRun::toUpdate() const
{
    std::vector<cheques::PrintedCheque> printed;
    for (const ChequeForm& form : forms_) {
        if (form.continuation || std::find(spoiled_.begin(), spoiled_.end(), form.cheque->seq) != spoiled_.end()) continue;
        cheques::Cheque asPrinted = *form.cheque;
        asPrinted.number = form.number;
        printed.push_back({asPrinted.seq, form.number, setup_.bank.account, std::move(asPrinted)});
    }
    return printed;
}

FormTexts ChequeRun::formTexts() const
{
    // A run is in one currency: the first cheque's.
    const int currency = cheques_.empty() ? setup_.bank.currency()
                                          : cheques::ChequeCurrency(books_, cheques_.front().supplier, setup_.bank.account);
    FormTexts texts{setup_.dateFormat, setup_.amounts, cheques::ChequeWording(books_, setup_.language).currencyWords(currency).nonNegotiable, {}};
    texts.amounts.use(currency);
    return texts;
}

QString ChequeRun::pdfPath(const std::string& first) const
{
    QDir().mkpath(setup_.pdfFolder);
    return QDir(setup_.pdfFolder).filePath(QString("%1-%2.pdf").arg(setup_.bank.account).arg(QString::fromStdString(first)));
}

}  // namespace orvant::vndcheqprint
