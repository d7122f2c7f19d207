#include "tvndcheqprint_frm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "cheque_installation.h"
#include "dates/date_format.h"
#include "qt_cheque_printer.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "report/view_only_preview.h"
#include "session/help.h"
#include "settings/regional.h"
#include "tupdate_dlg.h"
#include "tvndcheqprint_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/send_report.h"

namespace orvant::vndcheqprint {

namespace {

constexpr int kHelpContext = 503;

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

Tvndcheqprint_frm::Tvndcheqprint_frm(Session& session, QString helpFile) : session_(session), helpFile_(std::move(helpFile))
{
    setObjectName("Tvndcheqprint_frm");
    setWindowTitle("Print and update cheques");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields(), 1);
    buttons_ = buildButtons();
    layout->addWidget(buttons_);
    auto* status = named(new QStatusBar(this), "StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) status->addPermanentWidget(named(new QLabel(status), panel));
    layout->addWidget(status);
    named(new QPlainTextEdit(this), "IntlStrings1")->hide();
}

Tvndcheqprint_frm::~Tvndcheqprint_frm() = default;

QWidget* Tvndcheqprint_frm::buildFields()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    chequeNumber_ = named(new QLineEdit(page), "Cheque_number");
    chequeNumber_->setMaxLength(10);
    chequeNumber_->installEventFilter(this);
    numberLabel_ = named(new QLabel("&First cheque number", page), "NumberLabel");
    numberLabel_->setBuddy(chequeNumber_);
    form->addRow(numberLabel_, chequeNumber_);
    bank_ = named(new QComboBox(page), "ComboBox1");
    auto* bankLabel = named(new QLabel("For which &bank account", page), "BankLabel");
    bankLabel->setBuddy(bank_);
    form->addRow(bankLabel, bank_);
    printDialog_ = named(new QCheckBox("&Display Print Dialog box", page), "PrintDialog");
    form->addRow(printDialog_);
    // The supplier range of the form stays hidden and empty: a run prints every cheque of the bank.
    for (const char* name : {"FromSupplier", "Tosupplier"}) named(new QLineEdit(page), name)->hide();

    connect(bank_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) act([this, index] { screen_->bankChosen(index); });
    });
    connect(chequeNumber_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (screen_) screen_->chequeNumber() = text;
    });
    connect(printDialog_, &QCheckBox::toggled, this, [this](bool on) {
        if (screen_) screen_->printDialog() = on;
    });
    return page;
}

QWidget* Tvndcheqprint_frm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    const auto button = [&](const char* name, const char* caption, std::function<void()> click) {
        auto* b = named(new QPushButton(QString::fromUtf8(caption), bar), name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, click = std::move(click)] { act(click); });
        layout->addWidget(b);
    };
    button("Print_btn", "&Print", [this] {
        if (screen_->print()) close();
    });
    button("Preview_btn", "Pre&view", [this] { screen_->preview(); });
    button("Alignment_btn", "&Alignment test", [this] { screen_->alignmentTest(); });
    layout->addStretch();
    button("PrintScreenBtn", "Print &screen", [this] {
        report::printReport(report::documentFromWidget(this), this, ui::PrinterIndex(session_), false);
    });
    button("Help_btn", "&Help", [this] { OpenHelp(helpFile_, kHelpContext); });
    button("Exit_btn", "E&xit", [this] { close(); });
    return bar;
}

void Tvndcheqprint_frm::start(Tvndcheqprint_dm& data, TUpdate_dlg& endOfPrinting)
{
    endOfPrinting_ = &endOfPrinting;
    const Registry registry = Registry::open();
    SetCurrencySigns(registry, cheques::ReadForeignSigns(data.company()));
    ChequePrintSetup setup;
    setup.user = session_.userName;
    setup.language = session_.language;
    setup.dateFormat = ShortDateFormat();
    setup.amounts = ProcessCurrencyFormat();
    setup.amounts.setLanguage(session_.language == 2 ? AmountLanguage::French : AmountLanguage::English);
    setup.pdfFolder = qt(session_.companyDir()) + "/cheques";
    setup.usWording = cheques::UsesUsWording(registry.value(kSettingsSection, u"Intl"), session_.language);
    if (setup.usWording) applyUsWording();
    setup.title = windowTitle();
    screen_ = std::make_unique<ChequePrintScreen>(*this, data.company(), setup, [this](int n) { return ui::FormMessageText(*this, n); });
    filling_ = true;
    for (const cheques::ChequeBank& choice : screen_->bankChoices()) bank_->addItem(qt(choice.description));
    bank_->setCurrentIndex(screen_->bankChoices().empty() ? -1 : 0);
    filling_ = false;
    refresh();
    focus(PrintField::ChequeNumber);
    // Once shown, so that the question stands over the screen.
    QTimer::singleShot(0, this, [this] { act([this] { screen_->offerLeftNumbered(); }); });
}

// In a US installation cheques are checks.
void Tvndcheqprint_frm::applyUsWording()
{
    setWindowTitle(ui::FormMessageText(*this, kUsTitleMessage));
    numberLabel_->setText(ui::FormMessageText(*this, kUsNumberLabelMessage));
    if (!endOfPrinting_) return;
    endOfPrinting_->text()->setText(ui::FormMessageText(*this, kUsEndOfPrintingMessage));
    endOfPrinting_->setNumberColumnTitle(ui::FormMessageText(*this, kUsChequeColumnMessage));
}

void Tvndcheqprint_frm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    chequeNumber_->setText(screen_->chequeNumber());
    bank_->setCurrentIndex(screen_->bankChoices().empty() ? -1 : screen_->bank());
    printDialog_->setChecked(screen_->printDialog());
    filling_ = false;
}

void Tvndcheqprint_frm::act(const std::function<void()>& call)
{
    ui::Guarded([this, &call] {
        if (!screen_) return;
        screen_->chequeNumber() = chequeNumber_->text();
        screen_->printDialog() = printDialog_->isChecked();
        call();
    })();
}

bool Tvndcheqprint_frm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == chequeNumber_ && event->type() == QEvent::FocusOut && !filling_ && isVisible())
        act([this] { screen_->leaveChequeNumber(); });
    return QDialog::eventFilter(watched, event);
}

void Tvndcheqprint_frm::focus(PrintField)
{
    QTimer::singleShot(0, chequeNumber_, [target = chequeNumber_] {
        target->setFocus(Qt::OtherFocusReason);
        target->selectAll();
    });
}

ui::Answer Tvndcheqprint_frm::message(int number, ui::MessageKind kind, const QStringList& arguments, bool withCancel)
{
    QString text = ui::FormMessageText(*this, number);
    for (const QString& argument : arguments) text = text.arg(argument);
    return ui::Messages().show({kind, text, number, this, withCancel});
}

void Tvndcheqprint_frm::setBusy(bool busy) { buttons_->setEnabled(!busy); }

QString Tvndcheqprint_frm::sessionPrinterName() const
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    const int index = ui::PrinterIndex(session_);
    return index >= 0 && index < printers.size() ? printers.at(index).printerName() : QString();
}

std::unique_ptr<ChequePrinter> Tvndcheqprint_frm::printer(bool printDialog)
{
    return ChooseChequePrinter(Registry::open().value(kSettingsSection, u"APChequePrinter"), sessionPrinterName(), printDialog, this);
}

std::optional<std::vector<int>> Tvndcheqprint_frm::endOfPrinting(const std::vector<PrintedRow>& rows, const QString& note)
{
    return endOfPrinting_->run(rows, note);
}

std::optional<int> Tvndcheqprint_frm::askPeriod(const Date& date)
{
    QInputDialog box(this);
    box.setObjectName("PeriodBox");
    box.setInputMode(QInputDialog::IntInput);
    box.setIntRange(1, 13);
    box.setWindowTitle(ui::FormMessageText(*this, kPeriodCaptionMessage));
    box.setLabelText(ui::FormMessageText(*this, kPeriodPromptMessage).arg(qt(FormatDate(date, ShortDateFormat()))));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.intValue();
}

// The specimens are only viewed, on the cheque printer's page: nothing prints from the preview.
void Tvndcheqprint_frm::preview(const report::ReportDocument& document)
{
    report::ViewOnlyPreview view(document, ChequePrinterName(Registry::open().value(kSettingsSection, u"APChequePrinter"), sessionPrinterName()),
                                 this);
    view.exec();
}

}  // namespace orvant::vndcheqprint
