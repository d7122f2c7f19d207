#include "rcvclients/trcvclients_frm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "pickers.h"
#include "ui/error_reporting.h"

namespace orvant::masters {

namespace {

constexpr int kHelpContext = 201;

QString qt(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Trcvclients_frm::Trcvclients_frm(Session& session, QString helpFile)
    : MasterForm(session, std::move(helpFile), "Trcvclients_frm", "Maintenance of clients", kHelpContext, "Cli_email")
{
    buildGeneral(addPage("GeneralPage", "&General"));
    buildControl(addPage("ControlPage", "Control &information"));
    buildComments(addPage("CommentsPage", "Co&mments"));
    setWaitMessage(kWaitingForClient);
    setAmountMessage(kNotAnAmount);
}

void Trcvclients_frm::buildGeneral(QWidget* page)
{
    auto* grid = new QGridLayout;
    code_ = Named(new QLineEdit(page), "Edit_account");
    code_->setMaxLength(10);
    setCodeBox(code_, "Cli_code");
    setCurrencyField("Cli_currency");
    bind(code_, "Cli_code", Kind::Text);
    search_ = addListButton(page, "Search_btn", "List of clients");
    auto* codeLabel = Named(new QLabel("Client co&de", page), "CodeLabel");
    codeLabel->setBuddy(code_);
    grid->addWidget(codeLabel, 0, 0);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(code_);
    codeRow->addWidget(search_);
    codeRow->addStretch();
    grid->addLayout(codeRow, 0, 1, 1, 3);
    auto* name = Named(new QLineEdit(page), "Edit_desc");
    name->setMaxLength(60);
    bind(name, "Cli_name", Kind::Text);
    auto* nameLabel = Named(new QLabel("&Name", page), "NameLabel");
    nameLabel->setBuddy(name);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(name, 1, 1, 1, 3);
    addField(page, grid, 2, 0, "Telephone", "Cli_tel", Kind::Text, 30);
    addField(page, grid, 2, 2, "Fax", "Cli_fax", Kind::Text, 30);
    addField(page, grid, 3, 0, "E-mail", "Cli_email", Kind::Text, 60);
    addField(page, grid, 4, 0, "Contact", "Cli_contact", Kind::Text, 40);
    addField(page, grid, 4, 2, "Contact telephone", "Cli_contact_tel", Kind::Text, 30);

    auto* address = Named(new QGroupBox("Client address", page), "AddressGroup");
    auto* lines = new QGridLayout(address);
    addField(address, lines, 0, 0, "Address", "Cli_adr1", Kind::Text, 40);
    addField(address, lines, 1, 0, "", "Cli_adr2", Kind::Text, 40);
    addField(address, lines, 2, 0, "City", "Cli_city", Kind::Text, 40);
    addField(address, lines, 3, 0, "Province/State", "Cli_prov", Kind::Text, 40);
    addField(address, lines, 4, 0, "Country", "Cli_country", Kind::Text, 40);
    addField(address, lines, 5, 0, "Postal/Zip code", "Cli_postal_code", Kind::Text, 30);
    provinceLabel_ = address->findChild<QLabel*>("Cli_provLabel");
    postalLabel_ = address->findChild<QLabel*>("Cli_postal_codeLabel");
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(address);
    layout->addStretch();
}

void Trcvclients_frm::buildControl(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    addField(page, grid, 0, 0, "Date created", "Cli_date_created", Kind::Date);
    addField(page, grid, 1, 0, "Date of last sale", "Cli_date_last_sale", Kind::Date);
    addField(page, grid, 2, 0, "Date of last payment", "Cli_date_last_pmt", Kind::Date);
    addField(page, grid, 3, 0, "Language", "Cli_language", Kind::Text, 1);
    territory_ = addField(page, grid, 4, 0, "Territory", "Cli_terr", Kind::Text, 4);
    territoryButton_ = addListButton(page, "TerrBtn", "List of territories");
    grid->addWidget(territoryButton_, 4, 2);
    addField(page, grid, 5, 0, "Credit limit", "Cli_credit_limit", Kind::Integer);
    addField(page, grid, 6, 0, "No. due days", "Cli_du_days", Kind::Integer);
    addField(page, grid, 7, 0, "Discount %", "Cli_discount", Kind::Number);
    addField(page, grid, 8, 0, "Last invoice", "Cli_last_sale", Kind::Money);
    addField(page, grid, 9, 0, "Sales MTD", "Cli_sales_mth", Kind::Money);
    addField(page, grid, 10, 0, "Sales YTD", "Cli_sales_ytd", Kind::Money);
    terms_ = addField(page, grid, 0, 3, "Terms code", "Cli_terms", Kind::Integer);
    termsButton_ = addListButton(page, "TermsBtn", "List of terms");
    grid->addWidget(termsButton_, 0, 5);
    salesman_ = addField(page, grid, 1, 3, "Sales rep.", "Cli_salesrep", Kind::Text, 10);
    salesmanButton_ = addListButton(page, "SalesRepBtn", "List of salesmen");
    grid->addWidget(salesmanButton_, 1, 5);
    nsfLabel_ = Named(new QLabel("Date last NSF cheque", page), "Cli_nsf_dateLabel");
    auto* nsf = Named(new QLineEdit(page), "Cli_nsf_date");
    bind(nsf, "Cli_nsf_date", Kind::Date);
    grid->addWidget(nsfLabel_, 2, 3);
    grid->addWidget(nsf, 2, 4);
    billTo_ = addField(page, grid, 3, 3, "Bill to", "Cli_charge_to", Kind::Text, 10);
    billToButton_ = addListButton(page, "BillToBtn", "List of clients");
    grid->addWidget(billToButton_, 3, 5);
    for (int n = 1; n <= 3; ++n) {
        const std::string name = "Cli_accnt" + std::to_string(n);
        const std::string label = "Sales account " + std::to_string(n);
        accounts_[static_cast<std::size_t>(n - 1)] = addField(page, grid, 3 + n, 3, label.c_str(), name, Kind::Integer, 9);
        accountButtons_[static_cast<std::size_t>(n - 1)] = addListButton(page, ("Account" + std::to_string(n) + "Btn").c_str(), "List of accounts");
        grid->addWidget(accountButtons_[static_cast<std::size_t>(n - 1)], 3 + n, 5);
    }
    priceList_ = Named(new QComboBox(page), "PriceList");
    currency_ = Named(new QComboBox(page), "CurrencyList");
    format_ = Named(new QComboBox(page), "FormatList");
    auto* copies = Named(new QSpinBox(page), "CopiesBox");
    copies->setRange(1, 10);
    bind(copies, "Cli_copies", Kind::Integer);
    const std::pair<const char*, QWidget*> lists[] = {{"Price list", priceList_}, {"Currency", currency_},
                                                      {"# Copies of invoices", copies}, {"Invoice format", format_}};
    int row = 7;
    for (const auto& [label, widget] : lists) {
        grid->addWidget(Named(new QLabel(QString::fromUtf8(label), page), (widget->objectName() + "Label").toUtf8().constData()), row, 3);
        grid->addWidget(widget, row++, 4);
    }
    const std::pair<const char*, const char*> flags[] = {{"Cli_po_req", "Purchase order required"},
                                                         {"Cli_credit_hold", "Credit on hold"},
                                                         {"Cli_block_orders", "Orders blocked"},
                                                         {"Cli_email_statement", "Statements by e-mail"},
                                                         {"Cli_email_invoice", "Invoices by e-mail"}};
    auto* flagBox = new QVBoxLayout;
    for (const auto& [name, caption] : flags) {
        auto* box = Named(new QCheckBox(QString::fromUtf8(caption), page), name);
        bind(box, name, Kind::Flag);
        flagBox->addWidget(box);
    }
    grid->addLayout(flagBox, 11, 0, 1, 3);
    auto* taxes = Named(new QGroupBox("Taxes", page), "TaxGroup");
    auto* taxLayout = new QVBoxLayout(taxes);
    taxFederal_ = Named(new QCheckBox("Charge G.S.T./H.S.T", taxes), "Cli_tax_fed");
    taxProvincial_ = Named(new QCheckBox("Charger T.V.P.", taxes), "Cli_tax_pro");
    taxList_ = Named(new QListWidget(taxes), "TaxList");
    for (QWidget* w : {static_cast<QWidget*>(taxFederal_), static_cast<QWidget*>(taxProvincial_), static_cast<QWidget*>(taxList_)})
        taxLayout->addWidget(w);
    bind(taxFederal_, "Cli_tax_fed", Kind::Flag);
    bind(taxProvincial_, "Cli_tax_pro", Kind::Flag);
    grid->addWidget(taxes, 11, 3, 1, 3);
}

void Trcvclients_frm::buildComments(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    addField(page, grid, 0, 0, "Bank", "Cli_bank", Kind::Text, 40);
    addField(page, grid, 1, 0, "Bank telephone", "Cli_bank_tel", Kind::Text, 30);
    addField(page, grid, 2, 0, "Shipping instructions", "Ship_via", Kind::Text, 40, "Cli_ship_via");
    auto* comments = Named(new QPlainTextEdit(page), "Cli_comments");
    bind(comments, "Cli_comments", Kind::Memo);
    grid->addWidget(Named(new QLabel("Comments", page), "CommentsLabel"), 3, 0);
    grid->addWidget(comments, 3, 1);
}

void Trcvclients_frm::start(store::Database& company, store::Database& dataRoot, bool largerEdition, bool international)
{
    screen_ = std::make_unique<ClientScreen>(company, dataRoot, *this, *this, largerEdition, international);
    ClientScreen& s = *screen_;
    setScreen(s);
    for (const ListEntry& entry : s.priceLists().entries()) priceList_->addItem(qt(entry.text));
    for (const ListEntry& entry : s.currencies().entries()) currency_->addItem(qt(entry.text));
    for (const std::string& name : s.invoiceFormats()) format_->addItem(qt(name));
    const bool perRate = s.settings().taxSystem != 0;
    taxFederal_->setVisible(!perRate);
    taxProvincial_->setVisible(!perRate);
    taxList_->setVisible(perRate);
    for (const TaxLine& line : s.taxLines()) {
        auto* item = new QListWidgetItem(qt(line.description), taxList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connectLists();
    if (international) applyInternationalTexts(session().language);
    s.start();
}

void Trcvclients_frm::connectLists()
{
    ClientScreen& s = *screen_;
    onLeave(code_, [this, &s](bool) { s.leaveCode(code_->text().toStdString()); }, {search_});
    onLeave(terms_, [this, &s](bool skip) { s.leaveTerms(terms_->text().toStdString(), skip); }, {termsButton_});
    onLeave(salesman_, [&s](bool skip) { s.leaveSalesman(skip); }, {salesmanButton_});
    onLeave(territory_, [&s](bool skip) { s.leaveTerritory(skip); }, {territoryButton_});
    // Bill-to and the sales accounts wait for any of their lists.
    const QList<QWidget*> listsOfAccounts{billToButton_, accountButtons_[0], accountButtons_[1], accountButtons_[2]};
    onLeave(billTo_, [&s](bool skip) { s.leaveBillTo(skip); }, listsOfAccounts);
    onLeave(findChild<QLineEdit*>("Cli_language"), [&s](bool) { s.leaveLanguage(); });
    onEnter(findChild<QLineEdit*>("Cli_date_created"), [&s] { s.enterDateCreated(); });
    for (int n = 1; n <= 3; ++n) {
        QLineEdit* box = accounts_[static_cast<std::size_t>(n - 1)];
        onLeave(box, [&s, box, n](bool skip) { s.leaveAccount(n, box->text().toStdString(), skip); }, listsOfAccounts);
        onF2(box, [&s, n] { s.pickAccount(n); });
        connect(accountButtons_[static_cast<std::size_t>(n - 1)], &QPushButton::clicked, this, [this, &s, n] { act([&s, n] { s.pickAccount(n); }); });
    }
    onF2(code_, [&s] { s.findWithPicker(); });
    onF2(territory_, [&s] { s.pickTerritory(); });
    onF2(terms_, [&s] { s.pickTerms(); });
    onF2(salesman_, [&s] { s.pickSalesman(); });
    onF2(billTo_, [&s] { s.pickBillTo(); });
    const std::pair<QPushButton*, std::function<void()>> buttons[] = {
        {search_, [&s] { s.findWithPicker(); }}, {territoryButton_, [&s] { s.pickTerritory(); }},
        {termsButton_, [&s] { s.pickTerms(); }}, {salesmanButton_, [&s] { s.pickSalesman(); }},
        {billToButton_, [&s] { s.pickBillTo(); }}};
    for (const auto& [button, run] : buttons) connect(button, &QPushButton::clicked, this, [this, run] { act(run); });
    for (QWidget* list : {static_cast<QWidget*>(priceList_), static_cast<QWidget*>(currency_), static_cast<QWidget*>(format_),
                          static_cast<QWidget*>(taxList_)})
        watchKeys(list);
    connect(priceList_, &QComboBox::activated, this, [&s](int index) { s.choosePriceList(index); });
    connect(currency_, &QComboBox::activated, this, [&s](int index) { s.chooseCurrency(index); });
    connect(format_, &QComboBox::activated, this, [&s](int index) { s.chooseInvoiceFormat(index); });
    connect(taxList_, &QListWidget::itemChanged, this, [this, &s](QListWidgetItem* item) {
        if (taxList_->signalsBlocked()) return;
        s.setTaxLine(taxList_->row(item), item->checkState() == Qt::Checked);
    });
}

void Trcvclients_frm::refreshLists()
{
    if (!screen_) return;
    const ClientScreen& s = *screen_;
    const bool editing = s.fieldsEnabled();
    priceList_->setCurrentIndex(s.priceListIndex().value_or(-1));
    currency_->setCurrentIndex(s.currencyIndex().value_or(-1));
    format_->setCurrentIndex(format_->findText(qt(s.record().text("Cli_format1"))));
    const QSignalBlocker quiet(taxList_);
    for (int i = 0; i < taxList_->count() && i < static_cast<int>(s.taxLines().size()); ++i) {
        const std::string& bound = s.taxLines()[static_cast<std::size_t>(i)].field;
        taxList_->item(i)->setCheckState(!bound.empty() && s.record().flag(bound) ? Qt::Checked : Qt::Unchecked);
    }
    for (QWidget* w : {static_cast<QWidget*>(priceList_), static_cast<QWidget*>(currency_), static_cast<QWidget*>(format_),
                       static_cast<QWidget*>(taxList_), static_cast<QWidget*>(territoryButton_), static_cast<QWidget*>(termsButton_),
                       static_cast<QWidget*>(salesmanButton_), static_cast<QWidget*>(billToButton_)})
        w->setEnabled(editing);
    for (QPushButton* button : accountButtons_) button->setEnabled(editing);
    // While a client list is open elsewhere, its buttons wait for it to close.
    const bool listOpen = WindowOpen(messageText(kClientListTitle));
    search_->setEnabled(!editing && !listOpen);
    billToButton_->setEnabled(editing && !listOpen);
}

QWidget* Trcvclients_frm::widgetFor(const std::string& fieldName) const
{
    if (fieldName == "Cli_code") return code_;
    if (fieldName == "Cli_name") return findChild<QWidget*>("Edit_desc");
    return MasterForm::widgetFor(fieldName);
}

// International settings: states, zip codes, two numbered taxes, checks.
void Trcvclients_frm::applyInternationalTexts(int language)
{
    if (language == 2) {
        taxFederal_->setText("Charger taxe 1");
        taxProvincial_->setText("Charger taxe 2");
        return;
    }
    provinceLabel_->setText("State");
    postalLabel_->setText("Zip code");
    taxFederal_->setText("Charge tax 1");
    taxProvincial_->setText("Charge tax 2");
    nsfLabel_->setText("Date last NSF check");
}

// The client picker runs without the user's rights in its session copy.
std::string Trcvclients_frm::client()
{
    Session copy = session();
    copy.userRights = 0;
    return PickCode(&PickClient, copy);
}

std::string Trcvclients_frm::salesman() { return PickCode(&PickSalesMan, session()); }

std::string Trcvclients_frm::territory() { return PickCode(&CliTerritory, session()); }

int Trcvclients_frm::terms() { return ArGet_Terms(LinkFor(session())); }

int Trcvclients_frm::account() { return PickAccount(LinkFor(session())); }

}  // namespace orvant::masters
