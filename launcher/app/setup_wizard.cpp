#include "setup_wizard.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/setup_writer.h"
#include "lang/form_strings.h"
#include "settings/paths.h"
#include "settings/store_choice.h"
#include "store/table.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"

namespace orvant::launcher {

namespace {

// The wizard's caption list: the texts it shows by situation, and its messages.
enum Caption {
    kVatGroup, kVatRate1, kVatRate2, kGstPstGroup, kGstRate, kPstRate, kHstGroup, kHstRate, kQstGroup, kQstRate,
    kVatDescription1, kVatDescription2, kRateRefused, kRegistryNotSaved
};
const char* const kCaptions[] = {
    "Enter your sales tax  and VAT rates", "VAT/Tax 1 rate", "VAT/Tax 2 rate", "Enter your GST/PST rates", "GST rate",
    "PST rate", "Enter your GST/PST/HST rates", "HST rate", "Enter your GST/QST rates", "QST rate", "VAT/Tax 1",
    "VAT/Tax 2", "A rate is a percentage from 0 to 100.",
    "The date format and the currency display could not be saved in the registry:"};
const char* const kProvinces[kProvinceCount] = {
    "Alberta", "British Columbia", "Manitoba", "Newfoundland", "New Brunswick", "Nova Scotia", "Prince Edward Island",
    "Québec", "Ontario", "Saskatchewan"};
constexpr int kTextLength = 20;  // the control record's currency words
constexpr int kSymbolLength = 5;

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* paragraph(const char* name, const char* text, QWidget* parent)
{
    auto* label = named(new QLabel(QString::fromUtf8(text), parent), name);
    label->setWordWrap(true);
    return label;
}

// The group title, then the labels of the three rate boxes, for each wording.
std::array<int, 4> captionsOf(TaxWording wording)
{
    switch (wording) {
    case TaxWording::SalesTaxAndVat: return {kVatGroup, kVatRate1, kVatRate2, kHstRate};
    case TaxWording::GstPst: return {kGstPstGroup, kGstRate, kPstRate, kHstRate};
    case TaxWording::GstPstHst: return {kHstGroup, kGstRate, kPstRate, kHstRate};
    case TaxWording::GstQst: return {kQstGroup, kGstRate, kQstRate, kHstRate};
    }
    return {kVatGroup, kVatRate1, kVatRate2, kHstRate};
}

void checkOnly(QButtonGroup* group, int id)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

}  // namespace

SetupWizard::SetupWizard(store::Database& books, Registry& registry, int language, bool tolvane, QWidget* parent)
    : QDialog(parent), books_(books), registry_(registry), tolvane_(tolvane), steps_(language, tolvane)
{
    setObjectName(QStringLiteral("SetupWizardDlg"));
    setWindowTitle(QStringLiteral("Setup wizard"));
    captions_ = named(new QPlainTextEdit(this), "Captions");
    captions_->hide();
    QStringList lines;
    for (const char* line : kCaptions) lines << QString::fromUtf8(line);
    captions_->setPlainText(lines.join(u'\n'));

    pages_ = new QStackedWidget(this);
    for (QWidget* page : {placePage(), provincePage(), taxPage(), currencyPage(), closingPage()}) pages_->addWidget(page);
    backButton_ = named(new QPushButton(QStringLiteral("<< &Back"), this), "BackBtn");
    nextButton_ = named(new QPushButton(QStringLiteral("&Next >>"), this), "NextBtn");
    closeButton_ = named(new QPushButton(QStringLiteral("&Close"), this), "CloseBtn");
    connect(backButton_, &QPushButton::clicked, this, ui::Guarded([this] { back(); }));
    connect(nextButton_, &QPushButton::clicked, this, ui::Guarded([this] { next(); }));
    connect(closeButton_, &QPushButton::clicked, this, ui::Guarded([this] { save(); }));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {backButton_, nextButton_, closeButton_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    display();
}

QWidget* SetupWizard::placePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph("IntroText",
                                "This wizard sets up the taxes, the date format and the currency of the company you have "
                                "just created. You can change them later in the parameters option.",
                                page));
    auto* group = named(new QGroupBox(QStringLiteral("I am"), page), "PlaceGroup");
    auto* choices = new QVBoxLayout(group);
    inCanada_ = named(new QRadioButton(QStringLiteral("&In Canada"), group), "InCanada");
    outside_ = named(new QRadioButton(QStringLiteral("&Outside of Canada"), group), "OutsideCanada");
    choices->addWidget(inCanada_);
    choices->addWidget(outside_);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* SetupWizard::provincePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* group = named(new QGroupBox(QStringLiteral("Select the province in which you reside"), page), "ProvinceGroup");
    auto* choices = new QVBoxLayout(group);
    provinces_ = new QButtonGroup(this);
    for (int position = 0; position < kProvinceCount; ++position) {
        auto* province = new QRadioButton(QString::fromUtf8(kProvinces[position]), group);
        province->setObjectName(QStringLiteral("Province%1").arg(position));
        provinces_->addButton(province, position);
        choices->addWidget(province);
    }
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* SetupWizard::taxPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* dates = new QFormLayout;
    dateFormat_ = named(new QComboBox(page), "DateFormat");
    dateFormat_->addItems(kSetupDateFormats);
    auto* dateLabel = named(new QLabel(QStringLiteral("&Date format: "), page), "DateFormatLabel");
    dateLabel->setBuddy(dateFormat_);
    dates->addRow(dateLabel, dateFormat_);
    layout->addLayout(dates);
    taxGroup_ = named(new QGroupBox(page), "TaxGroup");
    auto* rates = new QFormLayout(taxGroup_);
    for (int box = 0; box < kRateCount; ++box) {
        rates_[box] = new QLineEdit(taxGroup_);
        rates_[box]->setObjectName(QStringLiteral("Rate%1").arg(box + 1));
        rates_[box]->setMaxLength(10);
        rateLabels_[box] = new QLabel(taxGroup_);
        rateLabels_[box]->setObjectName(QStringLiteral("Rate%1Label").arg(box + 1));
        rateLabels_[box]->setBuddy(rates_[box]);
        rates->addRow(rateLabels_[box], rates_[box]);
    }
    layout->addWidget(taxGroup_);
    taxNote_ = paragraph("TaxNote",
                         "The accounts and the descriptions of each rate are entered in the parameters option.", page);
    layout->addWidget(taxNote_);
    layout->addStretch();
    return page;
}

QWidget* SetupWizard::currencyPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* group = named(new QGroupBox(QStringLiteral("Currency information"), page), "CurrencyGroup");
    auto* fields = new QFormLayout(group);
    const auto field = [&](const char* name, const char* labelName, const char* caption, int length) {
        auto* box = named(new QLineEdit(group), name);
        box->setMaxLength(length);
        auto* label = named(new QLabel(QString::fromUtf8(caption), group), labelName);
        label->setBuddy(box);
        fields->addRow(label, box);
        return box;
    };
    symbol_ = field("CurrencySymbol", "SymbolLabel", "Currency &symbol", kSymbolLength);
    auto* alignGroup = named(new QGroupBox(group), "AlignGroup");
    auto* sides = new QHBoxLayout(alignGroup);
    alignment_ = new QButtonGroup(this);
    const char* const sideNames[] = {"AlignLeft", "AlignRight"};
    const char* const sideCaptions[] = {"&Left", "&Right"};
    for (int side = 0; side < 2; ++side) {
        auto* button = named(new QRadioButton(QString::fromUtf8(sideCaptions[side]), alignGroup), sideNames[side]);
        alignment_->addButton(button, side);
        sides->addWidget(button);
    }
    fields->addRow(alignGroup);
    currencyDescription_ = field("CurrencyDescription", "DescriptionLabel", "Currency &description", kTextLength);
    fractionsDescription_ = field("FractionsDescription", "FractionsLabel", "&Fractions description", kTextLength);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QWidget* SetupWizard::closingPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph("ClosingText",
                                "Orvant is ready for your company. Choose Close to save these settings; the other "
                                "parameters of the company are kept in the parameters option.",
                                page));
    layout->addStretch();
    return page;
}

QString SetupWizard::caption(int line) const
{
    return captions_->toPlainText().split(u'\n').value(line, QString::fromUtf8(kCaptions[line]));
}

// The boxes into the answers.
void SetupWizard::read()
{
    SetupAnswers& answers = steps_.answers();
    answers.inCanada = inCanada_->isChecked();
    answers.province = provinces_->checkedId();
    answers.dateFormat = dateFormat_->currentIndex();
    for (int box = 0; box < kRateCount; ++box) answers.rates[box] = rates_[box]->text();
    answers.currencySymbol = symbol_->text();
    answers.alignRight = alignment_->checkedId() < 0 ? std::nullopt : std::optional<bool>(alignment_->checkedId() == 1);
    answers.currencyDescription = currencyDescription_->text();
    answers.fractionsDescription = fractionsDescription_->text();
}

// The answers into the boxes, and the page with its wording.
void SetupWizard::display()
{
    const SetupAnswers& answers = steps_.answers();
    (answers.inCanada ? inCanada_ : outside_)->setChecked(true);
    checkOnly(provinces_, answers.province);
    dateFormat_->setCurrentIndex(answers.dateFormat);
    const std::array<int, 4> wording = captionsOf(steps_.taxWording());
    taxGroup_->setTitle(caption(wording[0]));
    for (int box = 0; box < kRateCount; ++box) {
        rates_[box]->setText(answers.rates[box]);
        rateLabels_[box]->setText(caption(wording[box + 1]));
    }
    rates_[2]->setVisible(steps_.thirdRateShown());
    rateLabels_[2]->setVisible(steps_.thirdRateShown());
    taxNote_->setVisible(steps_.taxNoteShown());
    symbol_->setText(answers.currencySymbol);
    checkOnly(alignment_, answers.alignRight ? int(*answers.alignRight) : -1);
    currencyDescription_->setText(answers.currencyDescription);
    fractionsDescription_->setText(answers.fractionsDescription);

    pages_->setCurrentIndex(steps_.page() - 1);
    backButton_->setEnabled(steps_.page() > 1);
    nextButton_->setVisible(!steps_.lastPage());
    closeButton_->setVisible(steps_.lastPage());
    (steps_.lastPage() ? closeButton_ : nextButton_)->setDefault(true);
    if (steps_.lastPage()) closeButton_->setFocus();  // Next, which had it, is gone
}

void SetupWizard::next()
{
    read();
    if (!steps_.next()) {
        ui::Messages().show({ui::MessageKind::Warning, caption(kRateRefused), kRateRefused, this, false});
        rates_[steps_.badRate()]->setFocus();
        rates_[steps_.badRate()]->selectAll();
        return;
    }
    display();
}

void SetupWizard::back()
{
    read();
    steps_.back();
    display();
}

// The company first, then the registry: both may be written again, so a registry that could
// not be saved leaves the wizard open on its last page to try again or to leave.
void SetupWizard::save()
{
    const SetupValues values = ValuesOf(steps_);
    WriteCompanySetup(books_, values, {caption(kVatDescription1), caption(kVatDescription2)}, tolvane_);
    if (!WriteRegionalSetup(registry_, values)) {
        ui::Messages().show({ui::MessageKind::Error, caption(kRegistryNotSaved) + u' ' + registry_.path(), kRegistryNotSaved, this, false});
        return;
    }
    accept();
}

QList<int> CompanyNumbers(store::Database& dataRoot)
{
    store::Table companies(dataRoot, "comp");
    companies.open();
    QList<int> numbers;
    for (companies.first(); !companies.eof(); companies.next()) numbers << static_cast<int>(companies.field("Comp_Code").asInt());
    return numbers;
}

bool SetUpAddedCompany(QWidget* parent, Registry& registry, const Session& session, store::Database& dataRoot,
                       const QList<int>& before)
{
    const std::optional<int> added = AddedCompany(before, CompanyNumbers(dataRoot));
    if (!added) return false;
    const QString companyDir = CompanyDir(QString::fromStdString(session.dataRoot), QString::number(*added));
    store::Database books("setupdb", companyDir.toStdString(), StoreChoice(registry));
    SetupWizard wizard(books, registry, session.language, TolvaneEdition(companyDir), parent);
    lang::LoadFormStrings(wizard, QStringLiteral("MainMenu") + QString::fromStdString(session.langCode), LanguagesDir(registry));
    return wizard.exec() == QDialog::Accepted;
}

}  // namespace orvant::launcher
