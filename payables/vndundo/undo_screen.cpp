#include "undo_screen.h"

#include <QStringList>
#include <QTime>
#include <algorithm>

#include "dates/date_format.h"
#include "store/error.h"
#include "store/query.h"

namespace orvant::vndundo {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

std::vector<SupplierRow> ReadSuppliers(store::Database& books)
{
    std::vector<SupplierRow> rows;
    store::Query query(books, "SELECT sup_code, sup_name, sup_tel, sup_currency FROM sup ORDER BY sup_code");
    for (query.open(); !query.eof(); query.next())
        rows.push_back({query.field(0).asString(), query.field(1).asString(), query.field(2).asString(),
                        static_cast<int>(query.field(3).asInt())});
    return rows;
}

int RefusalMessage(RefusalReason reason)
{
    switch (reason) {
    case RefusalReason::ItemGone: return kFirstRefusalReason;
    case RefusalReason::NotUndoable: return kFirstRefusalReason + 1;
    case RefusalReason::InHistory: return kFirstRefusalReason + 2;
    case RefusalReason::NoBankLine: return kFirstRefusalReason + 3;
    case RefusalReason::Reconciled: return kFirstRefusalReason + 4;
    case RefusalReason::OnChequeList: return kFirstRefusalReason + 5;
    case RefusalReason::JournalNotFound: return kFirstRefusalReason + 6;
    case RefusalReason::JournalAmbiguous: return kFirstRefusalReason + 7;
    case RefusalReason::SharedTaxLines: return kFirstRefusalReason + 8;
    case RefusalReason::ChangedMeanwhile: return kFirstRefusalReason + 9;
    case RefusalReason::SupplierMissing: return kFirstRefusalReason + 10;
    case RefusalReason::InvoiceNumberShared: return kInvoiceNumberShared;
    }
    return kFirstRefusalReason;
}

int WaitMessage(UndoWait wait)
{
    switch (wait) {
    case UndoWait::ChequeList: return kWaitingForChequeList;
    case UndoWait::Supplier: return kWaitingForSupplier;
    case UndoWait::ControlRecord: return kWaitingForControlRecord;
    case UndoWait::ChequeLine: return kWaitingForChequeLine;
    case UndoWait::Numbering: return kWaitingForUndo;
    }
    return kWaitingForSupplier;
}

// The buttons off while the undo runs, back on however it ends.
class Working {
public:
    explicit Working(UndoHost& host) : host_(host) { host_.working(true); }
    ~Working() { host_.working(false); }
    Working(const Working&) = delete;
    Working& operator=(const Working&) = delete;

private:
    UndoHost& host_;
};

}  // namespace

UndoScreen::UndoScreen(UndoHost& host, store::Database& books, UndoSetup setup, DeletedReportTexts reportTexts,
                       std::function<QString(int)> texts)
    : host_(host), books_(books), setup_(std::move(setup)), reportTexts_(std::move(reportTexts)), texts_(std::move(texts)),
      suppliers_(ReadSuppliers(books))
{
    if (!suppliers_.empty()) chooseSupplier(0);
}

std::vector<UndoneLine> UndoScreen::currentLines() const
{
    if (undoneRow_ < 0 || undoneRow_ >= static_cast<int>(undone_.items.size())) return {};
    return undone_.items[static_cast<std::size_t>(undoneRow_)].lines;
}

// A holdback part ("6") has no name of its own in the grids and the report.
QString UndoScreen::typeName(const std::string& type) const
{
    static const std::vector<std::pair<std::string, int>> names{{kPurchaseType, kPurchaseName},
                                                                {kDebitNoteType, kDebitNoteName},
                                                                {kCreditNoteType, kCreditNoteName},
                                                                {kAdjustmentType, kAdjustmentName},
                                                                {kPaymentType, kPaymentName}};
    for (const auto& [code, message] : names)
        if (code == type) return texts_(message);
    return {};
}

QString UndoScreen::dateText(Date date) const { return date.isValid() ? qt(FormatDate(date, setup_.dateFormat)) : QString(); }

QString UndoScreen::timeText(DateTime time) const
{
    if (!time.isValid()) return {};
    return dateText(time.date()) + " " + QTime::fromMSecsSinceStartOfDay(time.msecsOfDay()).toString(QStringLiteral("HH:mm:ss"));
}

QString UndoScreen::amountText(Money amount) const { return qt(setup_.amounts.format(amount)); }

void UndoScreen::chooseSupplier(int row)
{
    if (row < 0 || row >= static_cast<int>(suppliers_.size())) return;
    supplier_ = row;
    setup_.amounts.use(suppliers_[static_cast<std::size_t>(row)].currency);
    reload();
}

// A code that is no supplier's keeps the focus in its box.
bool UndoScreen::leaveSupplierCode(const QString& code)
{
    const std::string wanted = code.trimmed().toUpper().toStdString();
    if (wanted.empty()) return true;
    const auto found = std::find_if(suppliers_.begin(), suppliers_.end(), [&](const SupplierRow& s) { return s.code == wanted; });
    if (found == suppliers_.end()) {
        host_.message(kUnknownSupplier, ui::MessageKind::Information, {code.trimmed()});
        host_.focus(UndoField::Supplier);
        return false;
    }
    if (found - suppliers_.begin() != supplier_) chooseSupplier(static_cast<int>(found - suppliers_.begin()));
    return true;
}

void UndoScreen::pickSupplier()
{
    if (const std::string code = host_.pickSupplier(); !code.empty()) leaveSupplierCode(qt(code));
}

void UndoScreen::tabChanged(UndoTab tab)
{
    if (supplier_ >= 0) setup_.amounts.use(suppliers_[static_cast<std::size_t>(supplier_)].currency);
    host_.refresh();
    switch (tab) {
    case UndoTab::Suppliers: host_.focus(UndoField::SuppliersGrid); break;
    case UndoTab::Statement: host_.focus(UndoField::StatementGrid); break;
    case UndoTab::Undone: host_.focus(UndoField::UndoneGrid); break;
    }
}

void UndoScreen::chooseUndone(int row)
{
    if (row < 0 || row >= static_cast<int>(undone_.items.size())) return;
    undoneRow_ = row;
    host_.refresh();
}

void UndoScreen::reload()
{
    const std::string code = supplier_ >= 0 ? suppliers_[static_cast<std::size_t>(supplier_)].code : std::string();
    statement_ = code.empty() ? std::vector<LedgerItem>() : StatementItems(books_, code);
    undone_ = code.empty() ? UndoReportData() : ReadUndoReport(books_, code);
    undoneRow_ = undone_.items.empty() ? -1 : 0;
    host_.refresh();
}

// The question lists the whole cascade: every item removed (a holdback part named too), the other
// invoices a payment covered (which become open again), the periods of the general ledger that
// change, the cheques voided.
QString UndoScreen::cascadeText(const UndoCascade& cascade) const
{
    QStringList lines;
    for (const LedgerItem& item : cascade.items) {
        const QString type = item.type == kHoldbackType ? texts_(kHoldbackName) : typeName(item.type);
        lines << texts_(kCascadeItem).arg(type, qt(item.invoice), qt(item.reference), dateText(item.date), amountText(item.amount));
    }
    if (!cascade.reopenedInvoices.empty()) {
        QStringList invoices;
        for (const std::string& invoice : cascade.reopenedInvoices) invoices << qt(invoice);
        lines << texts_(kReopenedInvoices).arg(invoices.join(", "));
    }
    if (!cascade.generalLedgerPeriods.empty()) {
        QStringList periods;
        for (int period : cascade.generalLedgerPeriods) periods << QString::number(period);
        lines << texts_(kLedgerPeriods).arg(periods.join(", "));
    }
    for (const CascadeDocument& document : cascade.documents)
        if (document.cheque) lines << texts_(kVoidedCheque).arg(document.chequeNumber);
    lines << texts_(kBalanceChange).arg(amountText(cascade.balanceChange));
    return "\n" + lines.join("\n");
}

void UndoScreen::refuse(const UndoRefusal& refusal)
{
    host_.message(kRefused, ui::MessageKind::Information, {texts_(RefusalMessage(refusal.reason)).arg(qt(refusal.detail))});
    host_.focus(UndoField::StatementGrid);
}

bool UndoScreen::undoItem(int row)
{
    if (supplier_ < 0 || row < 0 || row >= static_cast<int>(statement_.size())) return false;
    const UndoSelection selection{suppliers_[static_cast<std::size_t>(supplier_)].code, statement_[static_cast<std::size_t>(row)].seq};
    const auto computed = ComputeCascade(books_, selection);
    if (const auto* refusal = std::get_if<UndoRefusal>(&computed)) {
        refuse(*refusal);
        reload();
        return false;
    }
    const UndoCascade& cascade = std::get<UndoCascade>(computed);
    if (host_.message(kConfirmUndo, ui::MessageKind::Question, {cascadeText(cascade)}) != ui::Answer::Yes) return false;
    bool gaveUp = false;
    const auto done = runConfirmed(cascade, gaveUp);
    reload();
    host_.focus(UndoField::StatementGrid);
    if (gaveUp) return false;
    if (const auto* refusal = std::get_if<UndoRefusal>(&done)) {
        refuse(*refusal);
        return false;
    }
    return true;
}

// The undo waits while another workstation holds the supplier, the list of cheques or another
// record it needs, the user told which and by whom and free to give up.
std::variant<UndoDone, UndoRefusal> UndoScreen::runConfirmed(const UndoCascade& cascade, bool& gaveUp)
{
    Working working(host_);
    UndoContext context;
    context.user = setup_.user;
    context.waitingFor = [this](UndoWait wait, const store::StoreError& error) {
        host_.waiting(texts_(WaitMessage(wait)) + (error.holder() ? qt(error.holder()->user) : QString()));
    };
    context.lockRetry.cancelled = [this] { return host_.waitCancelled(); };
    struct EndWait {
        UndoHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host_};
    try {
        return RunUndo(books_, cascade, context);
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kCancelled) throw;
        gaveUp = true;
        return UndoRefusal{};
    }
}

bool UndoScreen::run(report::ReportOutput how)
{
    reload();
    DeletedReportSetup setup;
    setup.companyName = setup_.companyName;
    setup.userId = qt(setup_.user);
    setup.printedAt = timeText(setup_.now());
    setup.intl = setup_.intl;
    setup.dateText = [this](Date d) { return dateText(d); };
    setup.timeText = [this](DateTime t) { return timeText(t); };
    setup.amountText = [this](Money m) { return amountText(m); };
    setup.typeName = [this](const std::string& type) { return typeName(type); };
    return host_.output(how, BuildDeletedTransactionsReport(undone_, reportTexts_, setup));
}

}  // namespace orvant::vndundo
