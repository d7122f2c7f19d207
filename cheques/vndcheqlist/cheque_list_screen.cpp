#include "cheque_list_screen.h"

#include <algorithm>

#include "cheque_list_build.h"
#include "cheque_words.h"
#include "dates/date_format.h"
#include "store/error.h"

namespace orvant::vndcheqlist {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

std::string Joined(const std::vector<std::string>& codes)
{
    std::string text;
    for (const std::string& code : codes) text += (text.empty() ? "" : ", ") + code;
    return text;
}

// Every button off while the list is built or the report runs, back on however it ends.
class Busy {
public:
    explicit Busy(ChequeListHost& host) : host_(host) { host_.setBusy(true); }
    ~Busy() { host_.setBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    ChequeListHost& host_;
};

}  // namespace

ChequeListScreen::ChequeListScreen(ChequeListHost& host, store::Database& books, ChequeListSetup setup, ChequeReportTexts reportTexts,
                                   std::function<QString(int)> texts)
    : host_(host), books_(books), setup_(std::move(setup)), reportTexts_(std::move(reportTexts)), texts_(std::move(texts)),
      banks_(cheques::ReadChequeBanks(books))
{
    choices_.chequeDate = qt(FormatDate(setup_.today, setup_.dateFormat));
    choices_.dueBefore = choices_.chequeDate;
    if (setup_.usWording) reportTexts_.title = texts_(kUsReportTitleMessage);
}

// Ticking the box over a list that holds cheques warns that they will go; the box stays ticked.
void ChequeListScreen::createNewListChanged(bool on)
{
    choices_.createNewList = on;
    if (!on) choices_.includeRecurring = false;
    host_.refresh();
    if (on && !cheques::ChequeStore(books_, cheques::ChequeSet::List).isEmpty())
        host_.message(setup_.usWording ? kListNotEmptyUsMessage : kListNotEmptyMessage, ui::MessageKind::Information);
}

// A date that does not read keeps the focus in its field, without a message.
bool ChequeListScreen::leaveDate(const QString& text, ChequeListField field)
{
    if (ParseDate(text.toStdString(), setup_.dateFormat)) return true;
    host_.focus(field);
    return false;
}

bool ChequeListScreen::leaveChequeDate() { return leaveDate(choices_.chequeDate, ChequeListField::ChequeDate); }

bool ChequeListScreen::leaveDueBefore() { return leaveDate(choices_.dueBefore, ChequeListField::DueBefore); }

void ChequeListScreen::pickFromSupplier()
{
    if (const std::string code = host_.pickSupplier(); !code.empty()) choices_.fromSupplier = code;
    host_.refresh();
}

void ChequeListScreen::pickToSupplier()
{
    if (const std::string code = host_.pickSupplier(); !code.empty()) choices_.toSupplier = code;
    host_.refresh();
}

// A supplier already listed is not listed twice.
void ChequeListScreen::addSupplier()
{
    const std::string code = host_.pickSupplier();
    auto& list = choices_.suppliers;
    if (!code.empty() && std::find(list.begin(), list.end(), code) == list.end()) list.push_back(code);
    host_.refresh();
}

void ChequeListScreen::removeSupplier(int index)
{
    auto& list = choices_.suppliers;
    if (index >= 0 && index < static_cast<int>(list.size())) list.erase(list.begin() + index);
    host_.refresh();
}

bool ChequeListScreen::run(ChequeListOutput how)
{
    if (!leaveChequeDate() || !leaveDueBefore()) return false;
    const Date chequeDate = *ParseDate(choices_.chequeDate.toStdString(), setup_.dateFormat);
    const Date dueBefore = *ParseDate(choices_.dueBefore.toStdString(), setup_.dateFormat);
    Busy busy(host_);
    if (choices_.createNewList && !buildList(chequeDate, dueBefore)) return false;
    return host_.output(how, report(chequeDate, dueBefore), choices_.printDialog);
}

// Cheques numbered by a printing that was never posted stand in the way of a new list: their
// numbers are voided in the register only when the user says so.
bool ChequeListScreen::confirmVoidingNumbers(const std::vector<cheques::NumberedCheque>& numbered)
{
    QStringList lines;
    for (const cheques::NumberedCheque& c : numbered) lines << texts_(kNumberedChequeMessage).arg(qt(c.number), qt(c.payee));
    return host_.message(kNumberedChequesMessage, ui::MessageKind::Question, {lines.join(", ")}) == ui::Answer::Yes;
}

void ChequeListScreen::showListInUse(const std::optional<store::LockHolder>& holder)
{
    if (holder && !holder->user.empty())
        host_.message(kListInUseMessage, ui::MessageKind::Warning, {qt(holder->user), QString::number(holder->session)});
    else
        host_.message(kListInUseUnnamedMessage, ui::MessageKind::Warning);
}

bool ChequeListScreen::buildList(Date chequeDate, Date dueBefore)
{
    if (banks_.empty()) {
        host_.message(kNoBankMessage, ui::MessageKind::Warning);
        return false;
    }
    cheques::ChequeListRequest request;
    request.chequeDate = chequeDate;
    request.dueBefore = dueBefore;
    request.bankAccount = banks_.at(static_cast<std::size_t>(choices_.bank)).account;
    request.fromSupplier = choices_.fromSupplier;
    request.toSupplier = choices_.toSupplier;
    request.suppliers = choices_.suppliers;
    request.includeRecurring = choices_.includeRecurring;
    request.language = cheques::WordsLanguageOf(setup_.language);
    request.user = setup_.user;
    for (;;) {
        try {
            const cheques::ChequeListBuilt built =
                cheques::BuildChequeList(books_, request, [this](int done, int total) { host_.progress(done, total); });
            host_.progressOver();
            if (!built.tooLarge.empty()) host_.message(kTooLargeMessage, ui::MessageKind::Warning, {qt(Joined(built.tooLarge))});
            return true;
        } catch (const cheques::NumberedChequesPending& pending) {
            // The build names the numbered cheques as they are now: only those the user saw and
            // agreed to are voided, and a set changed meanwhile is asked about again.
            host_.progressOver();
            if (!confirmVoidingNumbers(pending.cheques())) return false;
            request.numberedToVoid = pending.cheques();
        } catch (const store::StoreError& e) {
            host_.progressOver();
            if (!e.isRecordLocked()) throw;
            showListInUse(e.holder());
            return false;
        }
    }
}

// The list as it stands, in the order of its sequences.
report::ReportDocument ChequeListScreen::report(Date chequeDate, Date dueBefore)
{
    cheques::ChequeStore store(books_, cheques::ChequeSet::List);
    std::vector<cheques::Cheque> cheques;
    for (int seq : store.sequences())
        if (auto cheque = store.read(seq)) cheques.push_back(std::move(*cheque));
    ChequeReportSetup setup{setup_.companyName, setup_.userName, setup_.today, chequeDate, dueBefore,
                            [this](Date d) { return qt(FormatDate(d, setup_.dateFormat)); }, setup_.amounts};
    if (!banks_.empty()) setup.amounts.use(banks_.at(static_cast<std::size_t>(choices_.bank)).currency());
    return BuildChequeListReport(cheques, reportTexts_, setup);
}

}  // namespace orvant::vndcheqlist
