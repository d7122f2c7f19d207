#include "tvndundo_frm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "cheque_installation.h"
#include "dates/date_format.h"
#include "pickers.h"
#include "settings/regional.h"
#include "tvndundo_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/send_report.h"

namespace orvant::vndundo {

namespace {

constexpr int kHelpContext = 325;
constexpr int kSupplierWidth = 10;

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& titles)
{
    auto* g = named(new QTableWidget(0, static_cast<int>(titles.size()), parent), name);
    g->setHorizontalHeaderLabels(titles);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

QTableWidgetItem* cell(const QString& text, bool amount = false)
{
    auto* item = new QTableWidgetItem(text);
    if (amount) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Fills `g` with `count` rows from `row`, keeping `current` as its current row.
void fill(QTableWidget* g, int count, int current, const std::function<QList<QTableWidgetItem*>(int)>& row)
{
    g->setRowCount(count);
    for (int r = 0; r < count; ++r) {
        const QList<QTableWidgetItem*> cells = row(r);
        for (int c = 0; c < cells.size(); ++c) g->setItem(r, c, cells[c]);
    }
    if (current >= 0 && current < count) g->setCurrentCell(current, 0);
    g->resizeColumnsToContents();
}

QWidget* page(QWidget* parent, const char* name, std::initializer_list<QWidget*> widgets)
{
    auto* p = named(new QWidget(parent), name);
    auto* layout = new QVBoxLayout(p);
    for (QWidget* w : widgets) layout->addWidget(w);
    return p;
}

void focusLater(QWidget* widget)
{
    QTimer::singleShot(0, widget, [widget] { widget->setFocus(Qt::OtherFocusReason); });
}

}  // namespace

Tvndundo_frm::Tvndundo_frm(Session& session, QString helpFile)
    : ReportForm(session, std::move(helpFile), "Tvndundo_frm", "Undo A/P transactions"), wait_(*this)
{
    frame(buildPages(), kHelpContext, [this](report::ReportOutput how) { return screen_->run(how); });
    onF2(supplierCode_, [this] { screen_->pickSupplier(); });
    onLeave(supplierCode_, [this] { screen_->leaveSupplierCode(supplierCode_->text()); });
    statement_->installEventFilter(this);
    resize(860, 520);
}

Tvndundo_frm::~Tvndundo_frm() = default;

QWidget* Tvndundo_frm::buildPages()
{
    auto* top = new QWidget(this);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* supplierRow = new QWidget(top);
    auto* rowLayout = new QHBoxLayout(supplierRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* label = named(new QLabel("Supplie&r", supplierRow), "SupplierLabel");
    supplierCode_ = named(new QLineEdit(supplierRow), "SupplierCode");
    supplierCode_->setMaxLength(kSupplierWidth);
    supplierCode_->setMaximumWidth(120);
    label->setBuddy(supplierCode_);
    supplierList_ = named(new QPushButton("...", supplierRow), "SupplierBtn");
    supplierList_->setToolTip("List of suppliers");
    supplierList_->setMaximumWidth(32);
    supplierList_->setAutoDefault(false);
    supplierList_->setFocusPolicy(Qt::NoFocus);
    supplierName_ = named(new QLabel(supplierRow), "SupplierName");
    for (QWidget* w : std::initializer_list<QWidget*>{label, supplierCode_, supplierList_, supplierName_}) rowLayout->addWidget(w);
    rowLayout->addStretch();
    layout->addWidget(supplierRow);

    pages_ = named(new QTabWidget(top), "PageControl1");
    suppliers_ = grid(pages_, "SuppliersGrid", {"Supplier code", "Name", "Telephone"});
    pages_->addTab(page(pages_, "SuppliersTab", {suppliers_}), "&List of suppliers");
    pages_->addTab(buildStatementPage(), "Supplier &statement");
    pages_->addTab(buildUndonePage(), "&Undone transactions");
    layout->addWidget(pages_, 1);

    connect(supplierList_, &QPushButton::clicked, this, [this] { act([this] { screen_->pickSupplier(); }); });
    connect(suppliers_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_) act([this, row] { screen_->chooseSupplier(row); });
    });
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!filling_) act([this, index] { screen_->tabChanged(static_cast<UndoTab>(index)); });
    });
    return top;
}

QWidget* Tvndundo_frm::buildStatementPage()
{
    statement_ = grid(pages_, "StatementGrid", {"Supplier", "Invoice", "Reference", "Date", "Type", "Date due", "Amount"});
    // The caption stored with the screen; the language tables give its text.
    undoButton_ = named(new QPushButton(QString::fromUtf8("Détruire"), pages_), "DeleteBtn");
    undoButton_->setAutoDefault(false);
    auto* buttons = new QWidget(pages_);
    auto* layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(undoButton_);
    layout->addStretch();
    connect(undoButton_, &QPushButton::clicked, this, [this] { act([this] { screen_->undoItem(statement_->currentRow()); }); });
    return page(pages_, "StatementTab", {statement_, buttons});
}

// The undone items, and the journal or ledger lines removed with the one chosen.
QWidget* Tvndundo_frm::buildUndonePage()
{
    undonePages_ = named(new QTabWidget(pages_), "UndonePages");
    undone_ = grid(undonePages_, "UndoneGrid", {"Supplier", "Invoice", "Reference", "Date", "Type", "Due date", "Amount"});
    distribution_ = grid(undonePages_, "DistributionGrid", {"Account", "Description", "Debit", "Credit"});
    undonePages_->addTab(page(undonePages_, "TransactionsTab", {undone_}), "&Transactions");
    undonePages_->addTab(page(undonePages_, "DistributionTab", {distribution_}), "&G/L Distribution");
    connect(undone_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_) act([this, row] { screen_->chooseUndone(row); });
    });
    return page(pages_, "UndoneTab", {undonePages_});
}

void Tvndundo_frm::start(Tvndundo_dm& data, lang::LanguageTable languages)
{
    const Registry registry = Registry::open();
    SetCurrencySigns(registry, cheques::ReadForeignSigns(data.company()));
    UndoSetup setup;
    setup.dateFormat = ShortDateFormat();
    setup.user = session_.userId;
    setup.companyName = qt(session_.companyName);
    setup.amounts = ProcessCurrencyFormat();
    setup.amounts.setLanguage(session_.language == 2 ? AmountLanguage::French : AmountLanguage::English);
    setup.intl = registry.value(kSettingsSection, u"Intl").compare("Y", Qt::CaseInsensitive) == 0;
    const auto text = [this](int n) { return ui::FormMessageText(*this, n); };
    screen_ = std::make_unique<UndoScreen>(*this, data.company(), setup, DeletedReportTexts::fromTable(languages), text);
    refresh();
    focus(UndoField::SuppliersGrid);
}

bool Tvndundo_frm::readChoices() { return screen_ != nullptr; }

// Delete in the statement undoes its current item, as the button does.
bool Tvndundo_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == statement_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        act([this] { screen_->undoItem(statement_->currentRow()); });
        return true;
    }
    return ReportForm::eventFilter(watched, event);
}

void Tvndundo_frm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    const int supplier = screen_->currentSupplier();
    const bool chosen = supplier >= 0;
    supplierCode_->setText(chosen ? qt(screen_->suppliers()[static_cast<std::size_t>(supplier)].code) : QString());
    supplierName_->setText(chosen ? qt(screen_->suppliers()[static_cast<std::size_t>(supplier)].name) : QString());
    fillSuppliers();
    fillStatement();
    fillUndone();
    undoButton_->setEnabled(!screen_->statement().empty());
    filling_ = false;
}

void Tvndundo_frm::fillSuppliers()
{
    const auto& rows = screen_->suppliers();
    fill(suppliers_, static_cast<int>(rows.size()), screen_->currentSupplier(), [&](int r) {
        const SupplierRow& s = rows[static_cast<std::size_t>(r)];
        return QList<QTableWidgetItem*>{cell(qt(s.code)), cell(qt(s.name)), cell(qt(s.telephone))};
    });
}

void Tvndundo_frm::fillStatement()
{
    const auto& items = screen_->statement();
    fill(statement_, static_cast<int>(items.size()), 0, [&](int r) {
        const LedgerItem& i = items[static_cast<std::size_t>(r)];
        return QList<QTableWidgetItem*>{cell(qt(i.supplier)), cell(qt(i.invoice)), cell(qt(i.reference)), cell(screen_->dateText(i.date)),
                                        cell(screen_->typeName(i.type)), cell(screen_->dateText(i.dueDate)),
                                        cell(screen_->amountText(i.amount), true)};
    });
}

void Tvndundo_frm::fillUndone()
{
    const auto& items = screen_->undone().items;
    fill(undone_, static_cast<int>(items.size()), screen_->currentUndone(), [&](int r) {
        const UndoneItem& i = items[static_cast<std::size_t>(r)];
        return QList<QTableWidgetItem*>{cell(qt(i.supplier)), cell(qt(i.invoice)), cell(qt(i.reference)), cell(screen_->dateText(i.date)),
                                        cell(screen_->typeName(i.type)), cell(screen_->dateText(i.dueDate)),
                                        cell(screen_->amountText(i.amount), true)};
    });
    const std::vector<UndoneLine> lines = screen_->currentLines();
    const auto amount = [this](Money m) { return m.isZero() ? QString() : screen_->amountText(m); };
    fill(distribution_, static_cast<int>(lines.size()), 0, [&](int r) {
        const UndoneLine& l = lines[static_cast<std::size_t>(r)];
        return QList<QTableWidgetItem*>{cell(QString::number(l.account)), cell(qt(l.description)), cell(amount(l.debit), true),
                                        cell(amount(l.credit), true)};
    });
}

void Tvndundo_frm::focus(UndoField field)
{
    switch (field) {
    case UndoField::Supplier: ui::FocusLater(supplierCode_); return;
    case UndoField::SuppliersGrid: focusLater(suppliers_); return;
    case UndoField::StatementGrid: focusLater(statement_); return;
    case UndoField::UndoneGrid: focusLater(undone_); return;
    }
}

ui::Answer Tvndundo_frm::message(int number, ui::MessageKind kind, const QStringList& arguments)
{
    QString text = ui::FormMessageText(*this, number);
    for (const QString& argument : arguments) text = text.arg(argument);
    return ui::Messages().show({kind, text, number, this, false});
}

std::string Tvndundo_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session_), code, sizeof code);
    return code;
}

void Tvndundo_frm::waiting(const QString& text) { wait_.show(text); }

bool Tvndundo_frm::waitCancelled() { return wait_.cancelled(); }

void Tvndundo_frm::waitOver() { wait_.close(); }

// The undo is short and runs at once: the buttons off, a wait cursor and a word in the status
// bar, painted now, and no event handled until it is over.
void Tvndundo_frm::working(bool on)
{
    supplierList_->setEnabled(!on);
    undoButton_->setEnabled(!on && !screen_->statement().empty());
    setReportButtonsEnabled(!on);
    auto* status = findChild<QStatusBar*>("StatusBar");
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        status->showMessage(ui::FormMessageText(*this, kUndoing));
        status->repaint();
    } else {
        status->clearMessage();
        QApplication::restoreOverrideCursor();
    }
}

bool Tvndundo_frm::output(report::ReportOutput how, const report::ReportDocument& document)
{
    return ui::SendReport(how, document, *this, session_, true,
                          [this](const QString& why) { message(kOutputFailed, ui::MessageKind::Error, {why}); });
}

}  // namespace orvant::vndundo
