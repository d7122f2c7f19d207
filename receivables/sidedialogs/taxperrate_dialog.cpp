#include "sidedialogs/taxperrate_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "sidedialogs/dialog_parts.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/grid_editors.h"
#include "ui/error_reporting.h"

namespace orvant::sidedialogs {

Ttaxperrate_dlg::Ttaxperrate_dlg(QWidget* parent) : QDialog(parent), model_(this)
{
    setObjectName(QStringLiteral("Ttaxperrate_dlg"));
    setWindowTitle(QStringLiteral("Enter total sales amount per tax rate"));

    grid_ = new EntryGrid(this);
    grid_->setObjectName(QStringLiteral("TaxGrid"));
    grid_->setModel(&model_);
    grid_->setItemDelegateForColumn(TaxPerRateModel::NetAmount, new AmountDelegate(grid_));
    grid_->horizontalHeader()->setSectionResizeMode(TaxPerRateModel::Description, QHeaderView::Stretch);
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->setMinimumWidth(520);

    QPushButton* ok = NamedButton("OKBtn", QStringLiteral("OK"), this);
    QPushButton* cancel = NamedButton("CancelBtn", QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    ok_ = ok;
    connect(ok, &QPushButton::clicked, this, ui::Guarded([this] { tryAccept(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Past the last line the keyboard goes on to OK.
    grid_->setPastLastRow([this] {
        ok_->setFocus(Qt::TabFocusReason);
        return false;
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
}

std::optional<std::vector<TaxPerRateLine>> Ttaxperrate_dlg::run(std::vector<TaxPerRateLine> lines)
{
    model_.setLines(std::move(lines));
    grid_->setCurrentIndex(model_.index(0, TaxPerRateModel::NetAmount));
    grid_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return model_.lines();
}

void Ttaxperrate_dlg::tryAccept()
{
    if (grid_->commitPendingEdit()) accept();
}

}  // namespace orvant::sidedialogs
