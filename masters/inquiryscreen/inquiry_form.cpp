#include "inquiryscreen/inquiry_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "dates/date_format.h"
#include "inquiryscreen/aging_bars.h"
#include "money/amount_text.h"
#include "money/currency_format.h"
#include "ui/send_report.h"

namespace orvant::masters {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

QTableWidget* grid(QWidget* parent, const char* name, const QStringList& titles)
{
    auto* g = Named(new QTableWidget(0, static_cast<int>(titles.size()), parent), name);
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

QString dateText(Date date) { return date.isValid() ? qt(FormatDate(date, ShortDateFormat())) : QString(); }

}  // namespace

InquiryForm::InquiryForm(Session& session, QString helpFile, const InquiryParty& party, const char* objectName, const char* caption,
                         int helpContext)
    : MasterForm(session, std::move(helpFile), objectName, caption, helpContext, party.emailField), party_(party)
{
    setCurrencyField(party.currencyField);
    showDatesOnly();
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(0, buildFilterBar());
    navigator()->hide();
    currentBox_ = Named(new QCheckBox("View current transactions", this), "CurrentBox");
    currentBox_->setChecked(true);
    layout->insertWidget(2, currentBox_);
    buildListTab(addPage("ListTab", party.client ? "&List of clients" : "Supplier &list"));
    QWidget* general = addPage("GeneralPage", "&General");
    QWidget* control = addPage("ControlPage", "Control &information");
    QWidget* comments = addPage("CommentsPage", "Co&mments");
    if (party.client) buildClientPages(general, control, comments);
    else buildSupplierPages(general, control, comments);
    buildStatementTab(addPage("StatementTab", party.client ? "Client &statement" : "Supplier &statement"));
    buildGraphTab(addPage("GraphTab", "G&raph"));
    resize(900, 620);
}

InquiryForm::~InquiryForm() = default;

QWidget* InquiryForm::buildFilterBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    fields_ = Named(new QComboBox(bar), "FieldList");
    for (const inquiry::FilterField& field : inquiry::FilterFields(party_.client ? inquiry::PartyKind::Client : inquiry::PartyKind::Supplier))
        fields_->addItem(QString::fromUtf8(field.caption));
    operators_ = Named(new QComboBox(bar), "OperatorList");
    operators_->addItems({"=", ">", "<", "<>", "CONTAINING"});
    parameter_ = Named(new QLineEdit(bar), "ParameterEdit");
    refresh_ = Named(new QPushButton("Re&fresh", bar), "RefreshBtn");
    refresh_->setAutoDefault(false);
    pressOnEnter(parameter_, refresh_);
    const std::pair<const char*, QWidget*> parts[] = {{"Select a field:", fields_}, {"Operator:", operators_}, {"Enter parameter:", parameter_}};
    for (const auto& [caption, widget] : parts) {
        auto* label = Named(new QLabel(QString::fromUtf8(caption), bar), (widget->objectName() + "Label").toStdString());
        label->setBuddy(widget);
        row->addWidget(label);
        row->addWidget(widget, widget == parameter_ ? 1 : 0);
    }
    row->addWidget(refresh_);
    return bar;
}

void InquiryForm::buildListTab(QWidget* page)
{
    parties_ = grid(page, "PartyGrid", {party_.client ? "Client code" : "Supplier code", "Name", "Telephone"});
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(parties_);
}

QWidget* InquiryForm::buildAddress(QWidget* page, const char* caption, const char* prefix)
{
    auto* address = Named(new QGroupBox(QString::fromUtf8(caption), page), "AddressGroup");
    auto* lines = new QGridLayout(address);
    const std::string p = prefix;
    const std::pair<const char*, const char*> fields[] = {{"Address line 1", "_adr1"}, {"Address line 2", "_adr2"}, {"City", "_city"},
                                                          {"Province/State", "_prov"}, {"Country", "_country"},
                                                          {"Postal/Zip code", "_postal_code"}};
    int row = 0;
    for (const auto& [label, suffix] : fields) addField(address, lines, row++, 0, label, p + suffix, Kind::Text);
    return address;
}

void InquiryForm::buildClientPages(QWidget* general, QWidget* control, QWidget* comments)
{
    auto* top = new QGridLayout;
    addField(general, top, 0, 0, "Client code", "Cli_code", Kind::Text);
    addField(general, top, 1, 0, "Name", "Cli_name", Kind::Text);
    addField(general, top, 2, 0, "Telephone", "Cli_tel", Kind::Text);
    addField(general, top, 2, 2, "Fax", "Cli_fax", Kind::Text);
    addField(general, top, 3, 0, "E-mail address", "Cli_email", Kind::Text);
    addField(general, top, 4, 0, "Contact", "Cli_contact", Kind::Text);
    addField(general, top, 4, 2, "Contact telephone", "Cli_contact_tel", Kind::Text);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(top);
    generalLayout->addWidget(buildAddress(general, "Client address", "Cli"));
    generalLayout->addStretch();

    auto* g = new QGridLayout(control);
    const std::tuple<const char*, const char*, Kind> left[] = {
        {"Date created", "Cli_date_created", Kind::Date}, {"Date of last sale", "Cli_date_last_sale", Kind::Date},
        {"Date of last payment", "Cli_date_last_pmt", Kind::Date}, {"Language", "Cli_language", Kind::Text},
        {"Territory", "Cli_terr", Kind::Text}, {"Credit limit", "Cli_credit_limit", Kind::Integer},
        {"No. due days", "Cli_du_days", Kind::Integer}, {"Discount %", "Cli_discount", Kind::Number},
        {"Terms code", "Cli_terms", Kind::Integer}, {"Sales rep.", "Cli_salesrep", Kind::Text},
        {"Bill to", "Cli_charge_to", Kind::Text}, {"Last invoice", "Cli_last_sale", Kind::Money}};
    int row = 0;
    for (const auto& [label, name, kind] : left) addControlField(control, g, row++, label, name, kind);
    const std::tuple<const char*, const char*, Kind> right[] = {
        {"Sales MTD", "Cli_sales_mth", Kind::Money}, {"Sales YTD", "Cli_sales_ytd", Kind::Money},
        {"Date last NSF cheque", "Cli_nsf_date", Kind::Date}, {"Current balance", "Cli_current_bal", Kind::Money},
        {"Sales account 1", "Cli_accnt1", Kind::Integer}, {"Sales account 2", "Cli_accnt2", Kind::Integer},
        {"Sales account 3", "Cli_accnt3", Kind::Integer}, {"# Copies of invoices", "Cli_copies", Kind::Integer},
        {"Invoice format", "Cli_format1", Kind::Text}};
    row = 0;
    for (const auto& [label, name, kind] : right) addField(control, g, row++, 2, label, name, kind);
    namedCode_ = Named(new QLineEdit(control), "PriceListName");
    currency_ = Named(new QComboBox(control), "CurrencyList");
    for (QWidget* w : {static_cast<QWidget*>(namedCode_), static_cast<QWidget*>(currency_)}) {
        g->addWidget(Named(new QLabel(w == currency_ ? "Currency" : "Price list", control), (w->objectName() + "Label").toStdString()), row, 2);
        g->addWidget(w, row++, 3);
    }
    for (const auto& [name, caption] : {std::pair{"Cli_credit_hold", "Block invoices"}, std::pair{"Cli_po_req", "P.O. required"}}) {
        auto* box = Named(new QCheckBox(QString::fromUtf8(caption), control), name);
        bind(box, name, Kind::Flag);
        g->addWidget(box, row++, 3);
    }
    auto* taxes = Named(new QGroupBox("Taxes", control), "TaxGroup");
    auto* taxLayout = new QVBoxLayout(taxes);
    taxFederal_ = Named(new QCheckBox("Charge G.S.T./H.S.T.", taxes), "Cli_tax_fed");
    taxProvincial_ = Named(new QCheckBox("Charge P.S.T.", taxes), "Cli_tax_pro");
    taxList_ = Named(new QListWidget(taxes), "TaxList");
    for (QWidget* w : {static_cast<QWidget*>(taxFederal_), static_cast<QWidget*>(taxProvincial_), static_cast<QWidget*>(taxList_)})
        taxLayout->addWidget(w);
    bind(taxFederal_, "Cli_tax_fed", Kind::Flag);
    bind(taxProvincial_, "Cli_tax_pro", Kind::Flag);
    g->addWidget(taxes, 13, 0, 1, 4);

    auto* c = new QGridLayout(comments);
    auto* memo = Named(new QPlainTextEdit(comments), "Cli_comments");
    bind(memo, "Cli_comments", Kind::Memo);
    c->addWidget(Named(new QLabel("Comments", comments), "Cli_commentsLabel"), 0, 0);
    c->addWidget(memo, 0, 1);
    addField(comments, c, 1, 0, "Bank", "Cli_bank", Kind::Text);
    addField(comments, c, 2, 0, "Bank telephone", "Cli_bank_tel", Kind::Text);
    addField(comments, c, 3, 0, "Ship via", "Cli_ship_via", Kind::Text);
}

void InquiryForm::buildSupplierPages(QWidget* general, QWidget* control, QWidget* comments)
{
    auto* top = new QGridLayout;
    addField(general, top, 0, 0, "Supplier code", "Sup_code", Kind::Text);
    addField(general, top, 1, 0, "Name", "Sup_name", Kind::Text);
    addField(general, top, 2, 0, "Telephone", "Sup_tel", Kind::Text);
    addField(general, top, 2, 2, "Fax", "Sup_fax", Kind::Text);
    addField(general, top, 3, 0, "Contact", "Sup_contact", Kind::Text);
    addField(general, top, 3, 2, "Contact telephone", "Sup_contact_tel", Kind::Text);
    addField(general, top, 4, 0, "E-mail", "Sup_email", Kind::Text);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(top);
    generalLayout->addWidget(buildAddress(general, "Supplier address", "Sup"));
    generalLayout->addStretch();

    auto* g = new QGridLayout(control);
    const std::tuple<const char*, const char*, Kind> left[] = {
        {"Supplier language", "Sup_language", Kind::Text}, {"Territory code", "Sup_terr", Kind::Text},
        {"Date created", "Sup_date_created", Kind::Date}, {"Date of last purchase", "Sup_date_last_purch", Kind::Date},
        {"Date of last payment", "Sup_date_last_pmt", Kind::Date}, {"Credit limit", "Sup_credit_limit", Kind::Integer},
        {"Number of due days", "Sup_du_days", Kind::Integer}, {"Purchase discount", "Sup_purch_discount", Kind::Number},
        {"Payment discount", "Sup_pmt_discount", Kind::Number}, {"Current balance", "Sup_current_bal", Kind::Money},
        {"Purchases month to date", "Sup_purch_mth", Kind::Money}, {"Purchases year to date", "Sup_purch_ytd", Kind::Money}};
    int row = 0;
    for (const auto& [label, name, kind] : left) addControlField(control, g, row++, label, name, kind);
    currency_ = Named(new QComboBox(control), "CurrencyList");
    namedCode_ = Named(new QLineEdit(control), "BankAccountName");
    row = 0;
    for (QWidget* w : {static_cast<QWidget*>(currency_), static_cast<QWidget*>(namedCode_)}) {
        g->addWidget(Named(new QLabel(w == currency_ ? "Currency" : "Bank account", control), (w->objectName() + "Label").toStdString()), row, 2);
        g->addWidget(w, row++, 3);
    }
    for (int n = 1; n <= 3; ++n)
        addField(control, g, row++, 2, ("Purchase account " + std::to_string(n)).c_str(), "Sup_accnt" + std::to_string(n), Kind::Integer);
    addField(control, g, row++, 2, "# Copies of purchase orders", "Sup_copies", Kind::Integer);
    for (const auto& [name, caption] : {std::pair{"Sup_po_req", "P.O. required"}, std::pair{"Sup_email_po", "E-mail purchase orders"}}) {
        auto* box = Named(new QCheckBox(QString::fromUtf8(caption), control), name);
        bind(box, name, Kind::Flag);
        g->addWidget(box, row++, 3);
    }

    auto* c = new QVBoxLayout(comments);
    auto* memo = Named(new QPlainTextEdit(comments), "Sup_comments");
    bind(memo, "Sup_comments", Kind::Memo);
    c->addWidget(Named(new QLabel("Comments", comments), "Sup_commentsLabel"));
    c->addWidget(memo);
}

// A field of the control tab's left column. The language is shown by its name, not its key:
// the form fills that box itself.
void InquiryForm::addControlField(QWidget* page, QGridLayout* grid, int row, const char* label, const char* name, Kind kind)
{
    if (std::string_view(name) != party_.languageField) {
        addField(page, grid, row, 0, label, name, kind);
        return;
    }
    language_ = Named(new QLineEdit(page), name);
    language_->setEnabled(false);
    auto* caption = Named(new QLabel(QString::fromUtf8(label), page), std::string(name) + "Label");
    caption->setBuddy(language_);
    grid->addWidget(caption, row, 0);
    grid->addWidget(language_, row, 1);
}

void InquiryForm::buildStatementTab(QWidget* page)
{
    const QStringList titles = party_.client ? QStringList{"Invoice", "Reference", "Date", "Type", "Due date", "Amount", "Balance"}
                                             : QStringList{"Invoice", "Reference", "Type", "Date", "Due date", "Amount", "Balance"};
    statement_ = grid(page, "StatementGrid", titles);
    detail_ = Named(new QPushButton("&Detail", page), "DetailBtn");
    detail_->setAutoDefault(false);
    pressOnEnter(statement_, detail_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(statement_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(detail_);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void InquiryForm::buildGraphTab(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    auto* title = Named(new QLabel("Aging of accounts", page), "GraphTitle");
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    bars_ = new AgingBars(page);
    bars_->setObjectName("AgingChart");
    layout->addWidget(bars_, 1);
    auto* labels = new QHBoxLayout;
    for (int b = 0; b < aging::kBuckets; ++b) {
        bucketLabels_[static_cast<std::size_t>(b)] = Named(new QLabel(page), "Bucket" + std::to_string(b + 1));
        bucketLabels_[static_cast<std::size_t>(b)]->setAlignment(Qt::AlignCenter);
        labels->addWidget(bucketLabels_[static_cast<std::size_t>(b)], 1);
    }
    layout->addLayout(labels);
    auto* buttons = new QHBoxLayout;
    printGraph_ = Named(new QPushButton("&Print", page), "PrintGraphBtn");
    printGraph_->setAutoDefault(false);
    printDialog_ = Named(new QCheckBox("Display print dialog", page), "PrintDialogBox");
    buttons->addWidget(printGraph_);
    buttons->addWidget(printDialog_);
    buttons->addStretch();
    layout->addLayout(buttons);
}

InquirySetup InquiryForm::setupFor(store::Database& company, const lang::LanguageTable& languages, const QString& module, bool international)
{
    const inquiry::InquiryLedger& ledger = party_.client ? inquiry::InquiryLedger::receivables() : inquiry::InquiryLedger::payables();
    const AmountLanguage language = session().language == 2 ? AmountLanguage::French : AmountLanguage::English;
    InquirySetup setup;
    setup.homeCurrencyName = session().language == 2 ? "Défaut" : "Default";
    setup.notation = {language, ShortDateFormat()};
    setup.texts = inquiry::PreviewTexts::fromTable(languages, module, ledger, session().language, international);
    setup.preview.dateText = dateText;
    setup.preview.amountText = [language](Money m) { return qt(GroupedAmount(m, language)); };
    setup.preview.language = language;
    setup.preview.stampText = [](DateTime stamp) {
        return stamp.isValid() ? dateText(stamp.date()) + QStringLiteral(" ") + qt(stamp.toIso().substr(11, 8)) : QString();
    };
    setup.preview.paymentNames = inquiry::ReadPaymentNames(company);
    return setup;
}

void InquiryForm::start(store::Database& company, store::Database& dataRoot, const lang::LanguageTable& languages, const QString& module, bool international)
{
    screen_ = std::make_unique<InquiryScreen>(company, dataRoot, *this, party_, setupFor(company, languages, module, international));
    InquiryScreen& s = *screen_;
    NavigatorActions actions;
    actions.first = [&s] { s.first(); };
    actions.prior = [&s] { s.prior(); };
    actions.next = [&s] { s.next(); };
    actions.last = [&s] { s.last(); };
    actions.insert = actions.remove = actions.edit = actions.post = actions.cancel = actions.findWithPicker = [] {};
    actions.record = [&s]() -> const RecordView& { return s.record(); };
    actions.state = [] { return EditState::Browse; };
    actions.codeBoxEnabled = [] { return false; };
    actions.set = [](const std::string&, store::Value) {};
    setActions(std::move(actions));
    for (const ListEntry& entry : s.currencies().entries()) currency_->addItem(qt(entry.text));
    if (party_.client) {
        const bool perRate = s.taxSystem() != 0;
        taxFederal_->setVisible(!perRate);
        taxProvincial_->setVisible(!perRate);
        taxList_->setVisible(perRate);
        for (const TaxLine& line : s.taxLines()) {
            auto* item = new QListWidgetItem(qt(line.description), taxList_);
            item->setFlags(Qt::ItemIsUserCheckable);  // shown, never changed
        }
    }
    if (international) applyInternationalTexts();
    connectScreen();
    s.start();
    parties_->setFocus();
}

void InquiryForm::connectScreen()
{
    InquiryScreen& s = *screen_;
    connect(refresh_, &QPushButton::clicked, this, [this, &s] {
        act([this, &s] { s.filter(fields_->currentIndex(), operators_->currentIndex(), parameter_->text().toStdString()); });
    });
    connect(parties_, &QTableWidget::currentCellChanged, this, [this, &s](int row) {
        if (!filling_ && row >= 0) act([&s, row] { s.choose(row); });
    });
    connect(pages(), &QTabWidget::currentChanged, this, [this, &s](int tab) {
        if (!filling_) act([&s, tab] { s.tabChanged(static_cast<InquiryTab>(tab)); });
    });
    connect(currentBox_, &QCheckBox::toggled, this, [this, &s](bool on) {
        if (!filling_) act([&s, on] { s.showCurrent(on); });
    });
    connect(detail_, &QPushButton::clicked, this, [this, &s] { act([this, &s] { s.detail(statement_->currentRow()); }); });
    connect(statement_, &QTableWidget::cellDoubleClicked, this, [this, &s](int row) { act([&s, row] { s.detail(row); }); });
    connect(printGraph_, &QPushButton::clicked, this, [this, &s] {
        act([this, &s] { s.printGraph(findChild<QLabel*>("GraphTitle")->text(), printDialog_->isChecked()); });
    });
}

// International settings: states and zip codes, numbered taxes, checks; the French screen names
// its address lines and itself.
void InquiryForm::applyInternationalTexts()
{
    const auto setText = [this](const char* name, const char* text) {
        if (auto* label = findChild<QLabel*>(name)) label->setText(QString::fromUtf8(text));
        else if (auto* box = findChild<QCheckBox*>(name)) box->setText(QString::fromUtf8(text));
    };
    const char* prefix = party_.client ? "Cli" : "Sup";
    const auto named = [prefix](const char* suffix) { return std::string(prefix) + suffix; };
    if (session().language == 2) {
        if (!party_.client) return;
        setText("Cli_tax_fed", "Charger taxe 1");
        setText("Cli_tax_pro", "Charger taxe 2");
        setText("Cli_adr1Label", "Adresse ligne 1");
        setText("Cli_adr2Label", "Adresse ligne 2");
        setWindowTitle("Affichage des clients");
        return;
    }
    setText(named("_provLabel").c_str(), "State");
    setText(named("_postal_codeLabel").c_str(), "Zip code");
    if (party_.client) {
        setText("Cli_nsf_dateLabel", "Date last NSF check");
        setText("Cli_tax_fed", "Charge tax 1");
        setText("Cli_tax_pro", "Charge tax 2");
    } else {
        statement_->horizontalHeaderItem(1)->setText("Reference");
    }
}

void InquiryForm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    MasterForm::refresh();
    selectCurrentParty();
    fillStatement();
    fillGraph();
    currentBox_->setVisible(screen_->historyBoxShown());
    currentBox_->setChecked(screen_->currentShown());
    filling_ = false;
}

void InquiryForm::refreshLists()
{
    if (!screen_) return;
    const InquiryScreen& s = *screen_;
    currency_->setCurrentIndex(s.currencyIndex().value_or(-1));
    currency_->setEnabled(false);
    namedCode_->setText(qt(party_.client ? s.priceListName() : s.bankAccountName()));
    namedCode_->setEnabled(false);
    language_->setText(qt(s.languageName()));
    if (!taxList_) return;
    for (int i = 0; i < taxList_->count(); ++i) taxList_->item(i)->setCheckState(s.taxLineTicked(i) ? Qt::Checked : Qt::Unchecked);
}

void InquiryForm::showParties()
{
    const bool wasFilling = filling_;
    filling_ = true;
    fillParties();
    filling_ = wasFilling;
}

void InquiryForm::fillParties()
{
    const auto& rows = screen_->parties();
    parties_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < parties_->rowCount(); ++r) {
        const inquiry::PartyListRow& p = rows[static_cast<std::size_t>(r)];
        parties_->setItem(r, 0, cell(qt(p.code)));
        parties_->setItem(r, 1, cell(qt(p.name)));
        parties_->setItem(r, 2, cell(qt(p.telephone)));
    }
    parties_->resizeColumnsToContents();
}

// A move keeps the list as it is: only its current row follows the party chosen.
void InquiryForm::selectCurrentParty()
{
    if (screen_->current() >= 0 && parties_->currentRow() != screen_->current()) parties_->setCurrentCell(screen_->current(), 0);
}

void InquiryForm::fillStatement()
{
    const auto& lines = screen_->statement();
    statement_->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < statement_->rowCount(); ++r) {
        const inquiry::StatementLine& l = lines[static_cast<std::size_t>(r)];
        const int type = screen_->typeMessage(l.type);
        const QString typeName = type >= 0 ? messageText(type) : qt(l.type);
        QList<QTableWidgetItem*> cells{cell(qt(l.invoice)), cell(qt(l.reference))};
        if (party_.client) cells << cell(dateText(l.date)) << cell(typeName);
        else cells << cell(typeName) << cell(dateText(l.date));
        cells << cell(dateText(l.dueDate)) << cell(qt(FormatMoney(l.amount)), true) << cell(qt(FormatMoney(l.balance)), true);
        for (int c = 0; c < cells.size(); ++c) statement_->setItem(r, c, cells[c]);
    }
    if (!lines.empty() && statement_->currentRow() < 0) statement_->setCurrentCell(0, 0);
    detail_->setEnabled(!lines.empty());
    statement_->resizeColumnsToContents();
}

void InquiryForm::fillGraph()
{
    const inquiry::AgingGraph& graph = screen_->graph();
    std::array<double, aging::kBuckets> values{};
    for (int b = 0; b < aging::kBuckets; ++b) {
        const auto i = static_cast<std::size_t>(b);
        values[i] = graph.amounts[i].toDouble();
        bucketLabels_[i]->setText(graph.titles[i] + QStringLiteral("\n") + inquiry::GraphAmountText(graph.amounts[i], AmountLanguageOf(session().language)));
    }
    bars_->setValues(values);
}

void InquiryForm::showTab(InquiryTab tab)
{
    const bool wasFilling = filling_;
    filling_ = true;
    pages()->setCurrentIndex(static_cast<int>(tab));
    if (tab == InquiryTab::List) parties_->setFocus(Qt::OtherFocusReason);  // the parties the filter kept, to choose from
    filling_ = wasFilling;
}

void InquiryForm::send(report::ReportOutput how, const report::ReportDocument& document, bool printDialog)
{
    // The preview's window takes the focus; it comes back where it was once this form is
    // active again.
    QWidget* focused = focusWidget();
    const auto refocus = qScopeGuard([this, focused] {
        if (!focused) return;
        QTimer::singleShot(0, focused, [this, focused] {
            activateWindow();
            focused->setFocus(Qt::OtherFocusReason);
        });
    });
    ui::SendReport(how, document, *this, session(), printDialog, [this](const QString& why) {
        ui::Messages().show({ui::MessageKind::Error, messageText(party_.outputFailed).arg(why), party_.outputFailed, this, false});
    });
}

}  // namespace orvant::masters
