#include "trcvaging_frm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "pickers.h"
#include "session/module_frame.h"
#include "trcvaging_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/send_report.h"

namespace orvant::rcvaging {

namespace {

constexpr int kHelpContext = 207;
constexpr int kCodeWidth = 10;
constexpr int kTerritoryWidth = 12;

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* edit(QWidget* parent, const char* name, int width)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(width);
    return e;
}

QCheckBox* check(QWidget* parent, const char* name, const char* caption, bool on)
{
    auto* box = named(new QCheckBox(QString::fromUtf8(caption), parent), name);
    box->setChecked(on);
    return box;
}

QPushButton* listButton(QWidget* parent, const char* name, const char* hint)
{
    auto* b = named(new QPushButton("...", parent), name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QWidget* withButton(QWidget* parent, QWidget* field, QWidget* button)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(button);
    layout->addStretch();
    return row;
}

void setItems(QComboBox* box, const QStringList& items, int current)
{
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(current);
}

}  // namespace

Trcvaging_frm::Trcvaging_frm(Session& session, QString helpFile)
    : ReportForm(session, std::move(helpFile), "Trcvaging_frm", "Aging of accounts")
{
    auto* pages = named(new QTabWidget(this), "PageControl1");
    pages->addTab(buildGeneralPage(), "General");
    frame(pages, kHelpContext, [this](AgingOutput how) { return screen_->run(how); });
    onF2(fromClient_, [this] { screen_->pickFromClient(); });
    onF2(toClient_, [this] { screen_->pickToClient(); });
    onF2(territory_, [this] { screen_->pickTerritory(); });
    onLeave(reportDate_, [this] { screen_->leaveReportDate(); });
    onLeave(toClient_, [this] { screen_->leaveToClient(); });
}

Trcvaging_frm::~Trcvaging_frm() = default;

QWidget* Trcvaging_frm::buildGeneralPage()
{
    auto* page = named(new QWidget, "TabSheet1");
    auto* form = new QFormLayout;
    const auto row = [&](const char* labelName, const char* caption, QWidget* field, QWidget* shown = nullptr) {
        auto* label = named(new QLabel(QString::fromUtf8(caption), page), labelName);
        label->setBuddy(field);
        form->addRow(label, shown ? shown : field);
    };
    reportDate_ = edit(page, "report_date", 10);
    SetEditMask(*reportDate_, "!99/99/9999;1; ");
    row("DateLabel", "Enter the date for calculation  ", reportDate_);
    fromClient_ = edit(page, "FromClient", kCodeWidth);
    auto* fromList = listButton(page, "FromClientBtn", "List of clients");
    row("FromLabel", "From client ", fromClient_, withButton(page, fromClient_, fromList));
    toClient_ = edit(page, "ToClient", kCodeWidth);
    auto* toList = listButton(page, "ToClientBtn", "List of clients");
    row("ToLabel", "To client  ", toClient_, withButton(page, toClient_, toList));
    territory_ = edit(page, "Terr_sele", kTerritoryWidth);
    auto* territories = listButton(page, "TerritoryBtn", "List of territories");
    row("TerritoryLabel", "Which territory ", territory_, withButton(page, territory_, territories));
    olderThan_ = named(new QComboBox(page), "older_than");
    row("OlderLabel", "Print transactions older than", olderThan_);
    printOrder_ = named(new QComboBox(page), "Print_order");
    printOrder_->addItems({"Client code", "Sales rep"});
    row("OrderLabel", "Print the list in order of", printOrder_);
    convertTo_ = named(new QComboBox(page), "ComboBox1");
    row("ConvertLabel", "Convert to which currency", convertTo_);
    printCurrency_ = named(new QComboBox(page), "ComboBox2");
    row("CurrencyLabel", "Print which currency", printCurrency_);

    printDialog_ = check(page, "PrintDialog", "Display Print Dialog box", true);
    withAddress_ = check(page, "PrintAddress", "Print client address", false);
    fromDueDate_ = check(page, "use_du_date", "Use invoice due date", false);
    includeSubsequent_ = check(page, "Include_subsequent", "Include subsequent transactions", false);
    detailed_ = check(page, "Detailed_report", "Detailed report", true);
    withComments_ = check(page, "ClientComments", "Print comments from the client file", false);
    zeroBalance_ = check(page, "zerobalance", "Print clients with zero balance", false);
    history_ = check(page, "CheckBox1", "Print from history data", false);
    for (QCheckBox* box : {printDialog_, withAddress_, fromDueDate_, includeSubsequent_, detailed_, withComments_, zeroBalance_, history_})
        form->addRow(box);

    connect(fromList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickFromClient(); }); });
    connect(toList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickToClient(); }); });
    connect(territories, &QPushButton::clicked, this, [this] { act([this] { screen_->pickTerritory(); }); });
    connect(detailed_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) act([this, on] { screen_->detailedChanged(on); });
    });
    connect(history_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) act([this, on] { screen_->historyChanged(on); });
    });
    page->setLayout(form);
    return page;
}

void Trcvaging_frm::start(Trcvaging_dm& data, lang::LanguageTable languages)
{
    languages_ = std::move(languages);
    aging::AgingReportSetup setup;
    setup.companyName = qt(session_.companyName);
    setup.userName = qt(session_.userName);
    setup.dateText = [](Date date) { return qt(FormatDate(date, ShortDateFormat())); };
    setup.language = session_.language == 2 ? AmountLanguage::French : AmountLanguage::English;
    const CurrencyFormat& amounts = ProcessCurrencyFormat();
    setup.currencyAlign = amounts.signBefore() ? "L" : "R";
    const auto& ledger = aging::AgingLedger::receivables();
    screen_ = std::make_unique<AgingScreen>(*this, data.company(), aging::ReadAgingControl(data.company(), ledger, amounts.registrySymbol()),
                                            setup, ShortDateFormat(), Date::today(),
                                            [this](int n) { return ui::FormMessageText(*this, n); });
    filling_ = true;
    setItems(olderThan_, screen_->olderThanItems(), aging::kBuckets);
    QStringList conversion, currencies;
    for (const CurrencyChoice& c : screen_->conversionChoices()) conversion << c.text;
    for (const CurrencyChoice& c : screen_->currencyChoices()) currencies << c.text;
    setItems(convertTo_, conversion, 0);
    setItems(printCurrency_, currencies, 0);
    filling_ = false;
    refresh();
    focus(AgingField::ReportDate);
}

bool Trcvaging_frm::readChoices()
{
    if (!screen_) return false;
    AgingChoices& c = screen_->choices();
    c.reportDate = reportDate_->text();
    c.fromClient = fromClient_->text().trimmed().toUpper().toStdString();
    c.toClient = toClient_->text().trimmed().toUpper().toStdString();
    c.territory = territory_->text().toStdString();
    c.olderThan = olderThan_->currentIndex();
    c.printOrder = printOrder_->currentIndex();
    c.convertTo = std::max(0, convertTo_->currentIndex());
    c.printCurrency = std::max(0, printCurrency_->currentIndex());
    c.printDialog = printDialog_->isChecked();
    c.withAddress = withAddress_->isChecked();
    c.fromDueDate = fromDueDate_->isChecked();
    c.includeSubsequent = includeSubsequent_->isChecked();
    c.detailed = detailed_->isChecked();
    c.withComments = withComments_->isChecked();
    c.zeroBalance = zeroBalance_->isChecked();
    c.history = history_->isChecked();
    return true;
}

void Trcvaging_frm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    const AgingChoices& c = screen_->choices();
    reportDate_->setText(c.reportDate);
    fromClient_->setText(qt(c.fromClient));
    toClient_->setText(qt(c.toClient));
    territory_->setText(qt(c.territory));
    withAddress_->setChecked(c.withAddress);
    withAddress_->setEnabled(screen_->addressEnabled());
    zeroBalance_->setChecked(c.zeroBalance);
    zeroBalance_->setEnabled(screen_->zeroBalanceEnabled());
    detailed_->setChecked(c.detailed);
    history_->setChecked(c.history);
    filling_ = false;
}

QLineEdit* Trcvaging_frm::fieldOf(AgingField field) const
{
    switch (field) {
    case AgingField::ReportDate: return reportDate_;
    case AgingField::FromClient: return fromClient_;
    case AgingField::ToClient: return toClient_;
    case AgingField::Territory: return territory_;
    }
    return reportDate_;
}

void Trcvaging_frm::focus(AgingField field) { ui::FocusLater(fieldOf(field)); }

void Trcvaging_frm::message(int number, const QString& argument)
{
    QString text = ui::FormMessageText(*this, number);
    if (!argument.isNull()) text = text.arg(argument);
    ui::Messages().show({ui::MessageKind::Error, text, number, this, false});
}

void Trcvaging_frm::setBusy(bool busy)
{
    setReportButtonsEnabled(!busy);
}

std::string Trcvaging_frm::pickClient()
{
    char code[kCodeWidth + 1] = {};
    PickClient(LinkFor(session_), code, sizeof code);
    return code;
}

std::string Trcvaging_frm::pickTerritory()
{
    char code[kTerritoryWidth + 1] = {};
    CliTerritory(LinkFor(session_), code, sizeof code);
    return code;
}

aging::AgingLayoutTexts Trcvaging_frm::layoutTexts(bool detailed)
{
    return aging::AgingLayoutTexts::fromTable(languages_, detailed ? "Trcvaging_qrfrm" : "Trcvaging_qrfrm2", detailed);
}

QStringList Trcvaging_frm::typeNames()
{
    QStringList names;
    for (int n = 0; n <= 5; ++n) names << ui::FormMessageText(*this, n);
    return names;
}

bool Trcvaging_frm::output(AgingOutput how, const report::ReportDocument& document, bool printDialog)
{
    return ui::SendReport(how, document, *this, session_, printDialog, [this](const QString& why) { message(kOutputFailedMessage, why); });
}

}  // namespace orvant::rcvaging
