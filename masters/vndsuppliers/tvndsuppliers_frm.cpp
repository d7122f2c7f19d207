#include "vndsuppliers/tvndsuppliers_frm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "pickers.h"

namespace orvant::masters {

namespace {

constexpr int kHelpContext = 301;

QString qt(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Tvndsuppliers_frm::Tvndsuppliers_frm(Session& session, QString helpFile)
    : MasterForm(session, std::move(helpFile), "Tvndsuppliers_frm", "Maintenance of suppliers", kHelpContext, "Sup_email")
{
    buildGeneral(addPage("GeneralPage", "&General"));
    buildControl(addPage("ControlPage", "Control &information"));
    buildComments(addPage("CommentsPage", "Co&mments"));
    setWaitMessage(kSupplierWaiting);
    setAmountMessage(kSupplierNotAnAmount);
}

void Tvndsuppliers_frm::buildGeneral(QWidget* page)
{
    auto* grid = new QGridLayout;
    code_ = Named(new QLineEdit(page), "Sup_code");
    code_->setMaxLength(10);
    setCodeBox(code_, "Sup_code");
    setCurrencyField("Sup_currency");
    bind(code_, "Sup_code", Kind::Text);
    search_ = addListButton(page, "Search_btn", "List of suppliers");
    search_->setFocusPolicy(Qt::NoFocus);
    auto* codeLabel = Named(new QLabel("Supplier co&de", page), "Sup_codeLabel");
    codeLabel->setBuddy(code_);
    grid->addWidget(codeLabel, 0, 0);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(code_);
    codeRow->addWidget(search_);
    codeRow->addStretch();
    grid->addLayout(codeRow, 0, 1, 1, 3);
    addField(page, grid, 1, 0, "&Name", "Sup_name", Kind::Text, 60);
    addField(page, grid, 2, 0, "Telephone", "Sup_tel", Kind::Text, 30);
    addField(page, grid, 2, 2, "Fax", "Sup_fax", Kind::Text, 30);
    addField(page, grid, 3, 0, "Contact", "Sup_contact", Kind::Text, 40);
    addField(page, grid, 3, 2, "Contact telephone", "Sup_contact_tel", Kind::Text, 30);
    addField(page, grid, 4, 0, "E-mail", "Sup_email", Kind::Text, 60);
    auto* address = Named(new QGroupBox("Supplier address", page), "AddressGroup");
    auto* lines = new QGridLayout(address);
    addField(address, lines, 0, 0, "Address", "Sup_adr1", Kind::Text, 40);
    addField(address, lines, 1, 0, "", "Sup_adr2", Kind::Text, 40);
    addField(address, lines, 2, 0, "City", "Sup_city", Kind::Text, 40);
    addField(address, lines, 3, 0, "Province/State", "Sup_prov", Kind::Text, 40);
    addField(address, lines, 4, 0, "Country", "Sup_country", Kind::Text, 40);
    addField(address, lines, 5, 0, "Postal code", "Sup_postal_code", Kind::Text, 30);
    provinceLabel_ = address->findChild<QLabel*>("Sup_provLabel");
    postalLabel_ = address->findChild<QLabel*>("Sup_postal_codeLabel");
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(address);
    layout->addStretch();
}

void Tvndsuppliers_frm::buildControl(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    addField(page, grid, 0, 0, "Supplier language", "Sup_language", Kind::Text, 1);
    territory_ = addField(page, grid, 1, 0, "Territory code", "Sup_terr", Kind::Text, 4);
    territoryButton_ = addListButton(page, "TerrBtn", "List of territories");
    grid->addWidget(territoryButton_, 1, 2);
    addField(page, grid, 2, 0, "Date created", "Sup_date_created", Kind::Date);
    addField(page, grid, 3, 0, "Date of last purchase", "Sup_date_last_purch", Kind::Date);
    addField(page, grid, 4, 0, "Date of last payment", "Sup_date_last_pmt", Kind::Date);
    addField(page, grid, 5, 0, "Credit limit", "Sup_credit_limit", Kind::Integer);
    addField(page, grid, 6, 0, "Number of due days", "Sup_du_days", Kind::Integer);
    addField(page, grid, 7, 0, "Purchase discount", "Sup_purch_discount", Kind::Number);
    addField(page, grid, 8, 0, "Payment discount", "Sup_pmt_discount", Kind::Number);
    addField(page, grid, 9, 0, "Purchases month to date", "Sup_purch_mth", Kind::Money);
    addField(page, grid, 10, 0, "Purchases year to date", "Sup_purch_ytd", Kind::Money);
    currency_ = Named(new QComboBox(page), "CurrencyList");
    bank_ = Named(new QComboBox(page), "BankList");
    grid->addWidget(Named(new QLabel("Currency", page), "CurrencyListLabel"), 0, 3);
    grid->addWidget(currency_, 0, 4);
    grid->addWidget(Named(new QLabel("Bank account", page), "BankListLabel"), 1, 3);
    grid->addWidget(bank_, 1, 4);
    for (int n = 1; n <= 3; ++n) {
        const std::string name = "Sup_accnt" + std::to_string(n);
        const std::string label = "Purchase account " + std::to_string(n);
        accounts_[static_cast<std::size_t>(n - 1)] = addField(page, grid, 1 + n, 3, label.c_str(), name, Kind::Integer, 9);
        accountButtons_[static_cast<std::size_t>(n - 1)] = addListButton(page, "Account" + std::to_string(n) + "Btn", "List of accounts");
        grid->addWidget(accountButtons_[static_cast<std::size_t>(n - 1)], 1 + n, 5);
    }
    auto* poRequired = Named(new QCheckBox("P.O. required", page), "Sup_po_req");
    bind(poRequired, "Sup_po_req", Kind::Flag);
    grid->addWidget(poRequired, 5, 4);
    copies_ = Named(new QSpinBox(page), "CopiesBox");
    copies_->setRange(1, 10);
    grid->addWidget(Named(new QLabel("# Copies of purchase orders", page), "CopiesBoxLabel"), 6, 3);
    grid->addWidget(copies_, 6, 4);
    auto* emailOrders = Named(new QCheckBox("E-mail purchase orders", page), "Sup_email_po");
    bind(emailOrders, "Sup_email_po", Kind::Flag);
    grid->addWidget(emailOrders, 7, 4);
}

void Tvndsuppliers_frm::buildComments(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    auto* comments = Named(new QPlainTextEdit(page), "Sup_comments");
    bind(comments, "Sup_comments", Kind::Memo);
    layout->addWidget(Named(new QLabel("Comments", page), "CommentsLabel"));
    layout->addWidget(comments);
}

void Tvndsuppliers_frm::start(store::Database& company, bool largerEdition, bool international)
{
    screen_ = std::make_unique<SupplierScreen>(company, *this, *this, session().dataRoot, largerEdition);
    SupplierScreen& s = *screen_;
    setScreen(s);
    for (const ListEntry& entry : s.currencies().entries()) currency_->addItem(qt(entry.text));
    for (const ListEntry& entry : s.bankAccounts().entries()) bank_->addItem(qt(entry.text));
    showPurchaseOrderFields(s.purchaseOrderFieldsShown());
    connectFields();
    if (international && session().language == 1) {
        provinceLabel_->setText("State");
        postalLabel_->setText("Zip code");
    }
    s.start();
}

void Tvndsuppliers_frm::showPurchaseOrderFields(bool shown)
{
    for (const char* name : {"Sup_po_req", "Sup_email_po", "CopiesBox", "CopiesBoxLabel"})
        if (QWidget* widget = findChild<QWidget*>(name)) widget->setVisible(shown);
}

void Tvndsuppliers_frm::connectFields()
{
    SupplierScreen& s = *screen_;
    onLeave(code_, [this, &s](bool) { s.leaveCode(code_->text().toStdString()); }, {search_});
    onEnter(findChild<QLineEdit*>("Sup_date_created"), [&s] { s.enterDateCreated(); });
    QList<QWidget*> accountButtons{accountButtons_[0], accountButtons_[1], accountButtons_[2]};
    for (int n = 1; n <= 3; ++n) {
        QLineEdit* box = accounts_[static_cast<std::size_t>(n - 1)];
        onLeave(box, [&s, box, n](bool skip) { s.leaveAccount(n, box->text().toStdString(), skip); }, accountButtons);
        onF2(box, [&s, n] { s.pickAccount(n); });
        connect(accountButtons_[static_cast<std::size_t>(n - 1)], &QPushButton::clicked, this, [this, &s, n] { act([&s, n] { s.pickAccount(n); }); });
    }
    onF2(code_, [&s] { s.findWithPicker(); });
    onF2(territory_, [&s] { s.pickTerritory(); });
    connect(search_, &QPushButton::clicked, this, [this, &s] { act([&s] { s.findWithPicker(); }); });
    connect(territoryButton_, &QPushButton::clicked, this, [this, &s] { act([&s] { s.pickTerritory(); }); });
    watchKeys(currency_);
    watchKeys(bank_);
    connect(currency_, &QComboBox::activated, this, [&s](int index) { s.chooseCurrency(index); });
    connect(bank_, &QComboBox::activated, this, [&s](int index) { s.chooseBankAccount(index); });
    connect(copies_, &QSpinBox::valueChanged, this, [this, &s](int copies) {
        if (s.fieldsEnabled() && !copies_->signalsBlocked()) s.setCopies(copies);
    });
}

void Tvndsuppliers_frm::refreshLists()
{
    if (!screen_) return;
    const SupplierScreen& s = *screen_;
    const bool editing = s.fieldsEnabled();
    currency_->setCurrentIndex(s.currencyIndex().value_or(-1));
    bank_->setCurrentIndex(s.bankAccountIndex().value_or(-1));
    {
        const QSignalBlocker quiet(copies_);
        copies_->setValue(static_cast<int>(s.record().number("Sup_copies")));
    }
    for (QWidget* w : {static_cast<QWidget*>(currency_), static_cast<QWidget*>(bank_), static_cast<QWidget*>(copies_),
                       static_cast<QWidget*>(territoryButton_)})
        w->setEnabled(editing);
    for (QPushButton* button : accountButtons_) button->setEnabled(editing);
    // While a supplier list is open elsewhere, its button waits for it to close.
    search_->setEnabled(!editing && !WindowOpen(messageText(kSupplierListTitle)));
}

QWidget* Tvndsuppliers_frm::widgetFor(const std::string& fieldName) const
{
    if (fieldName == "Sup_copies") return copies_;
    return MasterForm::widgetFor(fieldName);
}

// The supplier picker runs without the user's rights in its session copy.
std::string Tvndsuppliers_frm::supplier()
{
    Session copy = session();
    copy.userRights = 0;
    return PickCode(&PickSupplier, copy);
}

std::string Tvndsuppliers_frm::territory() { return PickCode(&SupTerritory, session()); }

int Tvndsuppliers_frm::account() { return PickAccount(LinkFor(session())); }

}  // namespace orvant::masters
