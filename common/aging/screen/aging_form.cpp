#include "aging_form.h"

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
#include "session/module_frame.h"
#include "ui/form_messages.h"
#include "ui/send_report.h"

namespace orvant::aging {

namespace {

constexpr int kCodeWidth = 10;
constexpr int kTerritoryWidth = 12;

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* edit(QWidget* parent, const QString& name, int width)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(width);
    return e;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& caption, bool on)
{
    auto* box = named(new QCheckBox(caption, parent), QLatin1String(name));
    box->setChecked(on);
    return box;
}

QPushButton* listButton(QWidget* parent, const QString& name, const QString& hint)
{
    auto* b = named(new QPushButton("...", parent), name);
    b->setToolTip(hint);
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

AgingForm::AgingForm(const AgingScreenLedger& kind, AgingPickers pickers, Session& session, QString helpFile)
    : ReportForm(session, std::move(helpFile), kind.formName().toLatin1().constData(), "Aging of accounts"), kind_(kind),
      pickers_(pickers)
{
    auto* pages = named(new QTabWidget(this), "PageControl1");
    pages->addTab(buildGeneralPage(), "General");
    frame(pages, kind_.helpContext, [this](AgingOutput how) { return screen_->run(how); });
    onF2(fromCode_, [this] { screen_->pickFromCode(); });
    onF2(toCode_, [this] { screen_->pickToCode(); });
    if (territory_) onF2(territory_, [this] { screen_->pickTerritory(); });
    onLeave(reportDate_, [this] { screen_->leaveReportDate(); });
    onLeave(toCode_, [this] { screen_->leaveToCode(); });
}

AgingForm::~AgingForm() = default;

QWidget* AgingForm::buildGeneralPage()
{
    auto* page = named(new QWidget, "TabSheet1");
    auto* form = new QFormLayout;
    const auto row = [&](const char* labelName, const QString& caption, QWidget* field, QWidget* shown = nullptr) {
        auto* label = named(new QLabel(caption, page), QLatin1String(labelName));
        label->setBuddy(field);
        form->addRow(label, shown ? shown : field);
    };
    const QString word = QLatin1String(kind_.partyWord);
    const QString listHint = "List of " + word + "s";
    reportDate_ = edit(page, "report_date", 10);
    SetEditMask(*reportDate_, "!99/99/9999;1; ");
    row("DateLabel", "Enter the date for calculation  ", reportDate_);
    fromCode_ = edit(page, kind_.partyName("From"), kCodeWidth);
    auto* fromList = listButton(page, kind_.partyName("From", "Btn"), listHint);
    row("FromLabel", "From " + word, fromCode_, withButton(page, fromCode_, fromList));
    toCode_ = edit(page, kind_.partyName("To"), kCodeWidth);
    auto* toList = listButton(page, kind_.partyName("To", "Btn"), listHint);
    row("ToLabel", "To " + word, toCode_, withButton(page, toCode_, toList));
    QPushButton* territories = nullptr;
    if (kind_.territories) {
        territory_ = edit(page, "Terr_sele", kTerritoryWidth);
        territories = listButton(page, "TerritoryBtn", "List of territories");
        row("TerritoryLabel", "Which territory ", territory_, withButton(page, territory_, territories));
    }
    olderThan_ = named(new QComboBox(page), "older_than");
    row("OlderLabel", "Print transactions older than", olderThan_);
    if (kind_.territories) {
        printOrder_ = named(new QComboBox(page), "Print_order");
        printOrder_->addItems({"Client code", "Sales rep"});
        row("OrderLabel", "Print the list in order of", printOrder_);
    }
    convertTo_ = named(new QComboBox(page), "ComboBox1");
    row("ConvertLabel", "Convert to which currency", convertTo_);
    printCurrency_ = named(new QComboBox(page), "ComboBox2");
    row("CurrencyLabel", "Print which currency", printCurrency_);

    printDialog_ = check(page, "PrintDialog", "Display Print Dialog box", true);
    if (kind_.addresses) withAddress_ = check(page, "PrintAddress", "Print " + word + " address", false);
    fromDueDate_ = check(page, "use_du_date", "Use invoice due date", false);
    includeSubsequent_ = check(page, "Include_subsequent", "Include subsequent transactions", false);
    detailed_ = check(page, "Detailed_report", "Detailed report", true);
    withComments_ = named(new QCheckBox("Print comments from the " + word + " file", page), kind_.partyName("", "Comments"));
    zeroBalance_ = check(page, "zerobalance", "Print " + word + "s with zero balance", false);
    history_ = check(page, "CheckBox1", "Print from history data", false);
    for (QCheckBox* box : {printDialog_, withAddress_, fromDueDate_, includeSubsequent_, detailed_, withComments_, zeroBalance_, history_})
        if (box) form->addRow(box);

    connect(fromList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickFromCode(); }); });
    connect(toList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickToCode(); }); });
    if (territories) connect(territories, &QPushButton::clicked, this, [this] { act([this] { screen_->pickTerritory(); }); });
    connect(detailed_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) act([this, on] { screen_->detailedChanged(on); });
    });
    connect(history_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) act([this, on] { screen_->historyChanged(on); });
    });
    page->setLayout(form);
    return page;
}

void AgingForm::start(CompanyTables& data, lang::LanguageTable languages)
{
    languages_ = std::move(languages);
    AgingReportSetup setup;
    setup.companyName = qt(session_.companyName);
    setup.userName = qt(session_.userName);
    setup.dateText = [](Date date) { return qt(FormatDate(date, ShortDateFormat())); };
    setup.language = session_.language == 2 ? AmountLanguage::French : AmountLanguage::English;
    const CurrencyFormat& amounts = ProcessCurrencyFormat();
    setup.currencyAlign = amounts.signBefore() ? "L" : "R";
    screen_ = std::make_unique<AgingScreen>(kind_, *this, data.company(),
                                            ReadAgingControl(data.company(), kind_.ledger, amounts.registrySymbol()), setup,
                                            ShortDateFormat(), Date::today(), [this](int n) { return ui::FormMessageText(*this, n); });
    filling_ = true;
    setItems(olderThan_, screen_->olderThanItems(), kBuckets);
    QStringList conversion, currencies;
    for (const CurrencyChoice& c : screen_->conversionChoices()) conversion << c.text;
    for (const CurrencyChoice& c : screen_->currencyChoices()) currencies << c.text;
    setItems(convertTo_, conversion, 0);
    setItems(printCurrency_, currencies, 0);
    filling_ = false;
    refresh();
    focus(AgingField::ReportDate);
}

bool AgingForm::readChoices()
{
    if (!screen_) return false;
    AgingChoices& c = screen_->choices();
    c.reportDate = reportDate_->text();
    c.fromCode = fromCode_->text().trimmed().toUpper().toStdString();
    c.toCode = toCode_->text().trimmed().toUpper().toStdString();
    if (territory_) c.territory = territory_->text().toStdString();
    c.olderThan = olderThan_->currentIndex();
    if (printOrder_) c.printOrder = printOrder_->currentIndex();
    c.convertTo = std::max(0, convertTo_->currentIndex());
    c.printCurrency = std::max(0, printCurrency_->currentIndex());
    c.printDialog = printDialog_->isChecked();
    if (withAddress_) c.withAddress = withAddress_->isChecked();
    c.fromDueDate = fromDueDate_->isChecked();
    c.includeSubsequent = includeSubsequent_->isChecked();
    c.detailed = detailed_->isChecked();
    c.withComments = withComments_->isChecked();
    c.zeroBalance = zeroBalance_->isChecked();
    c.history = history_->isChecked();
    return true;
}

void AgingForm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    const AgingChoices& c = screen_->choices();
    reportDate_->setText(c.reportDate);
    fromCode_->setText(qt(c.fromCode));
    toCode_->setText(qt(c.toCode));
    if (territory_) territory_->setText(qt(c.territory));
    if (withAddress_) {
        withAddress_->setChecked(c.withAddress);
        withAddress_->setEnabled(screen_->addressEnabled());
    }
    zeroBalance_->setChecked(c.zeroBalance);
    zeroBalance_->setEnabled(screen_->zeroBalanceEnabled());
    detailed_->setChecked(c.detailed);
    history_->setChecked(c.history);
    filling_ = false;
}

QLineEdit* AgingForm::fieldOf(AgingField field) const
{
    switch (field) {
    case AgingField::ReportDate: return reportDate_;
    case AgingField::FromParty: return fromCode_;
    case AgingField::ToParty: return toCode_;
    case AgingField::Territory: return territory_ ? territory_ : reportDate_;
    }
    return reportDate_;
}

void AgingForm::focus(AgingField field) { ui::FocusLater(fieldOf(field)); }

void AgingForm::message(int number, const QString& argument)
{
    QString text = ui::FormMessageText(*this, number);
    if (!argument.isNull()) text = text.arg(argument);
    ui::Messages().show({ui::MessageKind::Error, text, number, this, false});
}

void AgingForm::setBusy(bool busy) { setReportButtonsEnabled(!busy); }

std::string AgingForm::pick(CodePicker picker)
{
    if (!picker) return {};
    char code[kTerritoryWidth + 1] = {};  // room for the widest code picked here
    picker(LinkFor(session_), code, sizeof code);
    return code;
}

std::string AgingForm::pickParty() { return pick(pickers_.party); }

std::string AgingForm::pickTerritory() { return pick(pickers_.territory); }

AgingLayoutTexts AgingForm::layoutTexts(bool detailed)
{
    return AgingLayoutTexts::fromTable(languages_, kind_.layoutName(detailed), detailed, kind_.telephone);
}

QStringList AgingForm::typeNames()
{
    QStringList names;
    for (int n = 0; n <= 5; ++n) names << ui::FormMessageText(*this, n);
    return names;
}

bool AgingForm::output(AgingOutput how, const report::ReportDocument& document, bool printDialog)
{
    return ui::SendReport(how, document, *this, session_, printDialog, [this](const QString& why) { message(kOutputFailedMessage, why); });
}

}  // namespace orvant::aging
