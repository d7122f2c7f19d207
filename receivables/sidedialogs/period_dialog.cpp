#include "sidedialogs/period_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "sidedialogs/dialog_parts.h"
#include "sidedialogs/period_number.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"

namespace orvant::sidedialogs {

Tperiod_dlg::Tperiod_dlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tperiod_dlg"));
    setWindowTitle(QStringLiteral("Change period number"));
    RemoveCloseBox(*this);

    period_ = new QLineEdit(this);
    period_->setObjectName(QStringLiteral("PeriodNumber"));
    period_->setMaxLength(2);
    QLabel* label = NamedLabel("PeriodLabel", QStringLiteral("&Period number"), this);
    label->setBuddy(period_);
    QPushButton* ok = NamedButton("OKBtn", QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, ui::Guarded([this] { tryClose(); }));

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(period_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
}

std::optional<int> Tperiod_dlg::run(int period, int language)
{
    language_ = language;
    chosen_.reset();
    period_->setText(QString::number(period));
    period_->setFocus();
    period_->selectAll();
    exec();
    return chosen_;
}

void Tperiod_dlg::closeEvent(QCloseEvent* event)
{
    if (!chosen_) event->ignore();
}

void Tperiod_dlg::tryClose()
{
    chosen_ = ReadPeriodNumber(period_->text());
    if (!chosen_) {
        ui::Messages().show({ui::MessageKind::Information, PeriodRefusalText(language_), -1, this, false});
        period_->setFocus();
        period_->selectAll();
        return;
    }
    accept();
}

}  // namespace orvant::sidedialogs
