#include "sidedialogs/payment_layout.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "entryscreens/entry_fields.h"
#include "session/module_frame.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/payment_grids.h"

namespace orvant::sidedialogs {

namespace {

using entryscreens::BuddyLabel;
using entryscreens::kDateMask;
using entryscreens::Named;
using entryscreens::NamedEdit;

// The party's code, its list button (which the focus never stops on) and its name.
QHBoxLayout* PartyRow(QWidget& form, PaymentHeader& header, const PaymentHeaderNames& names)
{
    header.partyCode = NamedEdit(&form, names.partyCode, names.partyWidth);
    if (names.partyCodeSkipsChecks) header.partyCode->setProperty("tag", kLeavingSkipsChecks);
    header.partySearch = Named(new QPushButton("...", &form), names.partySearch);
    header.partySearch->setToolTip(QString::fromUtf8(names.partyList));
    header.partySearch->setAutoDefault(false);
    header.partySearch->setFocusPolicy(Qt::NoFocus);
    header.partySearch->setProperty("tag", kLeavingSkipsChecks);
    header.partyName = Named(new QLabel(&form), names.partyName);
    auto* row = new QHBoxLayout;
    row->addWidget(header.partyCode);
    row->addWidget(header.partySearch);
    row->addWidget(header.partyName, 1);
    return row;
}

}  // namespace

PaymentHeader BuildPaymentHeader(QWidget& form, QGridLayout& grid, const PaymentHeaderNames& names)
{
    PaymentHeader header{};
    QHBoxLayout* party = PartyRow(form, header, names);
    grid.addWidget(BuddyLabel(&form, names.partyLabel, names.partyCaption, header.partyCode), 0, 0);
    grid.addLayout(party, 0, 1, 1, 3);

    header.noParty = Named(new QCheckBox(QString::fromUtf8(names.noPartyCaption), &form), names.noPartyBox);
    if (names.secondBox) {
        header.second = Named(new QCheckBox(QString::fromUtf8(names.secondCaption), &form), names.secondBox);
        grid.addWidget(header.noParty, 1, 1);
        grid.addWidget(header.second, 1, 3);
    } else {
        grid.addWidget(header.noParty, 1, 1, 1, 3);
    }

    header.date = NamedEdit(&form, "TransDate");
    SetEditMask(*header.date, kDateMask);
    header.reference = NamedEdit(&form, "DebCreRef", names.referenceWidth);
    header.memo = Named(new QPlainTextEdit(&form), "TransMemo");
    header.memo->setMaximumHeight(56);
    header.memo->setTabChangesFocus(true);
    grid.addWidget(BuddyLabel(&form, "DateLabel", "&Transaction date", header.date), 2, 0);
    grid.addWidget(header.date, 2, 1);
    grid.addWidget(BuddyLabel(&form, "RefLabel", "&Reference", header.reference), 2, 2);
    grid.addWidget(header.reference, 2, 3);
    grid.addWidget(BuddyLabel(&form, "MemoLabel", "Transaction &memo", header.memo), 3, 0);
    grid.addWidget(header.memo, 3, 1, 1, 3);
    return header;
}

void LayOutPaymentForm(QDialog& form, const char* caption, QGridLayout* headerGrid, const PaymentHeader& header, PaymentGrids* grids,
                       QWidget* buttons)
{
    auto* layout = new QVBoxLayout(&form);
    if (caption) layout->addWidget(BuddyLabel(&form, "TabLabel", caption));
    layout->addLayout(headerGrid);
    layout->addWidget(grids, 1);
    layout->addWidget(buttons);
    auto* statusBar = Named(new QStatusBar(&form), "StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) statusBar->addPermanentWidget(Named(new QLabel(statusBar), panel));
    layout->addWidget(statusBar);

    std::vector<QWidget*> order{header.partyCode, header.noParty, header.date, header.reference, header.memo};
    if (header.second) order.push_back(header.second);
    order.push_back(grids->items());
    order.push_back(grids->lines());
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) order.push_back(form.findChild<QWidget*>(button));
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    Named(new QPlainTextEdit(&form), "IntlStrings1")->hide();
    form.resize(820, 700);
}

}  // namespace orvant::sidedialogs
