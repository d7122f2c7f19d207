#include "sidedialogs/payment_layout.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "entryscreens/entry_buttons.h"
#include "entryscreens/entry_fields.h"
#include "session/module_frame.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/payment_grids.h"

namespace orvant::sidedialogs {

using entryscreens::BuddyLabel;
using entryscreens::kDateMask;
using entryscreens::Named;
using entryscreens::NamedEdit;

PaymentHeader BuildPaymentHeader(QWidget& form, QGridLayout& grid, const PaymentHeaderNames& names)
{
    PaymentHeader header{};
    header.partyName = Named(new QLabel(&form), names.partyName);
    const entryscreens::PartyCode party = entryscreens::PlaceParty(form, grid, names.party, header.partyName, true);
    header.partyCode = party.code;
    header.partySearch = party.list;

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
    std::vector<QWidget*> order{header.partyCode, header.noParty, header.date, header.reference, header.memo};
    if (header.second) order.push_back(header.second);
    order.push_back(grids->items());
    order.push_back(grids->lines());
    entryscreens::FinishEntryForm(form, *layout, std::move(order), 700);
}

}  // namespace orvant::sidedialogs
