#include "sidedialogs/holdback_dialog.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dates/date_format.h"
#include "session/module_frame.h"
#include "sidedialogs/dialog_parts.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::sidedialogs {

namespace {

QLineEdit* numberField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAlignment(Qt::AlignRight);
    return field;
}

}  // namespace

Tholdback_dlg::Tholdback_dlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tholdback_dlg"));
    setWindowTitle(QStringLiteral("Holdbacks"));
    RemoveCloseBox(*this);

    percent_ = numberField("HoldbackPercent", this);
    amount_ = numberField("HoldbackAmount", this);
    dueDate_ = new QLineEdit(this);
    dueDate_->setObjectName(QStringLiteral("HoldbackDueDate"));
    SetEditMask(*dueDate_, DateMaskFor(ShortDateFormat()));

    auto* fields = new QFormLayout;
    const auto addRow = [&](const char* name, const char* caption, QLineEdit* field) {
        QLabel* label = NamedLabel(name, QString::fromUtf8(caption), this);
        label->setBuddy(field);
        fields->addRow(label, field);
    };
    addRow("PercentLabel", "Holdback &%", percent_);
    addRow("AmountLabel", "&Amount", amount_);
    addRow("DueDateLabel", "&Due date", dueDate_);

    choice_ = new QGroupBox(QStringLiteral("Sales taxes for holdbacks"), this);
    choice_->setObjectName(QStringLiteral("TaxChoice"));
    taxesBefore_ = new QRadioButton(QStringLiteral("Calculate taxes before holdback"), choice_);
    taxesAfter_ = new QRadioButton(QStringLiteral("Calculate taxes after holdback"), choice_);
    auto* choices = new QVBoxLayout(choice_);
    choices->addWidget(taxesBefore_);
    choices->addWidget(taxesAfter_);
    connect(taxesAfter_, &QRadioButton::toggled, this, ui::Guarded([this] { choiceChanged(); }));

    QPushButton* ok = NamedButton("OKBtn", QStringLiteral("OK"), this);
    ok->setDefault(true);
    // A click leaves the focus where it was, so that leaving the percent is done once, by OK.
    ok->setFocusPolicy(Qt::TabFocus);
    connect(ok, &QPushButton::clicked, this, ui::Guarded([this] { tryClose(); }));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(choice_);
    layout->addLayout(buttons);

    percent_->installEventFilter(this);
    new FieldKeys({percent_, amount_, dueDate_}, this);
}

std::optional<HoldbackEntered> Tholdback_dlg::run(const HoldbackEntry& entry, QWidget& messagesForm)
{
    entry_ = entry;
    messagesForm_ = &messagesForm;
    entered_.reset();
    percent_->setText(HoldbackEntry::initialText());
    amount_->setText(HoldbackEntry::initialText());
    {
        const QSignalBlocker quiet(taxesAfter_);  // the amount is already right for the choice
        (entry.choice() == HoldbackChoice::HoldbackOnTaxes ? taxesAfter_ : taxesBefore_)->setChecked(true);
    }
    choice_->setVisible(entry.offersChoice());
    percent_->setFocus();
    percent_->selectAll();
    exec();
    return entered_;
}

void Tholdback_dlg::closeEvent(QCloseEvent* event)
{
    if (!entered_) event->ignore();
}

bool Tholdback_dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == percent_ && event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or another window taking the focus is not leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) ui::Guarded([this] { leavePercent(); })();
    }
    return QDialog::eventFilter(watched, event);
}

bool Tholdback_dlg::leavePercent()
{
    const auto shown = entry_->leavePercent(percent_->text());
    if (const auto* refusal = std::get_if<HoldbackRefusal>(&shown)) {
        refuse(*refusal);
        return false;
    }
    const auto& values = std::get<HoldbackPercentShown>(shown);
    percent_->setText(values.percent);
    amount_->setText(values.amount);
    return true;
}

void Tholdback_dlg::choiceChanged()
{
    if (!entry_) return;
    entry_->setChoice(taxesAfter_->isChecked() ? HoldbackChoice::HoldbackOnTaxes : HoldbackChoice::TaxesBeforeHoldback);
    // The amount follows the base of the new choice; a percent that does not read is refused
    // when it is left or at OK.
    const auto shown = entry_->leavePercent(percent_->text());
    if (const auto* values = std::get_if<HoldbackPercentShown>(&shown)) amount_->setText(values->amount);
}

void Tholdback_dlg::tryClose()
{
    if (percent_->hasFocus() && !leavePercent()) return;
    const auto closing = entry_->close(percent_->text(), amount_->text(), dueDate_->text());
    if (const auto* refusal = std::get_if<HoldbackRefusal>(&closing)) {
        refuse(*refusal);
        return;
    }
    entered_ = std::get<HoldbackEntered>(closing);
    accept();
}

void Tholdback_dlg::refuse(const HoldbackRefusal& refusal)
{
    ui::ShowFormMessage(*messagesForm_, refusal.message, ui::MessageKind::Information);
    QLineEdit* field = refusal.field == HoldbackField::Percent ? percent_ : refusal.field == HoldbackField::Amount ? amount_ : dueDate_;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

}  // namespace orvant::sidedialogs
