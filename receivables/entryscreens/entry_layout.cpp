#include "entryscreens/entry_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "entryscreens/distribution_box.h"
#include "entryscreens/entry_buttons.h"
#include "entryscreens/entry_fields.h"
#include "session/module_frame.h"

namespace orvant::entryscreens {

EntryHeader BuildEntryHeader(QWidget& form, QGridLayout& grid, const HeaderNames& names)
{
    EntryHeader header{};
    header.cash = Named(new QCheckBox(QString::fromUtf8(names.cashCaption), &form), "CheckBox1");
    const PartyCode party = PlaceParty(form, grid, names.party, header.cash, false);
    header.partyCode = party.code;
    header.partySearch = party.list;

    auto* address = new QVBoxLayout;
    for (std::size_t i = 0; i < header.address.size(); ++i) address->addWidget(header.address[i] = Named(new QLabel(&form), names.address[i]));
    grid.addLayout(address, 1, 1, 1, 3);

    header.type = Named(new QComboBox(&form), "TransType");
    header.type->addItems({QString::fromUtf8(names.firstType), "Debit", "Credit", "Adjustment"});
    header.invoice = NamedEdit(&form, "InvoiceNum", names.numberWidth);
    header.reference = NamedEdit(&form, "DebCreRef", names.numberWidth);
    header.date = NamedEdit(&form, "TransDate");
    header.dueDate = NamedEdit(&form, "TransDueDate");
    for (QLineEdit* day : {header.date, header.dueDate}) SetEditMask(*day, kDateMask);
    header.memo = Named(new QPlainTextEdit(&form), "TransMemo");
    header.memo->setMaximumHeight(56);
    header.memo->setTabChangesFocus(true);
    grid.addWidget(BuddyLabel(&form, "TypeLabel", names.typeCaption, header.type), 2, 0);
    grid.addWidget(header.type, 2, 1);
    grid.addWidget(BuddyLabel(&form, "InvoiceLabel", "&Invoice number", header.invoice), 2, 2);
    grid.addWidget(header.invoice, 2, 3);
    grid.addWidget(BuddyLabel(&form, "DateLabel", "&Transaction date", header.date), 3, 0);
    grid.addWidget(header.date, 3, 1);
    grid.addWidget(BuddyLabel(&form, "RefLabel", names.referenceCaption, header.reference), 3, 2);
    grid.addWidget(header.reference, 3, 3);
    grid.addWidget(BuddyLabel(&form, "DueDateLabel", names.dueDateCaption, header.dueDate), 4, 0);
    grid.addWidget(header.dueDate, 4, 1);
    grid.addWidget(BuddyLabel(&form, "MemoLabel", names.memoCaption, header.memo), 5, 0);
    grid.addWidget(header.memo, 5, 1, 1, 3);
    return header;
}

void ShowAddress(const EntryHeader& header, const std::optional<std::array<QString, 4>>& lines)
{
    for (std::size_t i = 0; i < header.address.size(); ++i) {
        header.address[i]->setText(lines ? (*lines)[i] : QString());
        header.address[i]->setVisible(lines.has_value());
    }
}

void LayOutEntryForm(QDialog& form, QGridLayout* headerGrid, const EntryHeader& header, DistributionBox* distribution,
                     QWidget* buttons)
{
    auto* layout = new QVBoxLayout(&form);
    layout->addLayout(headerGrid);
    layout->addWidget(distribution, 1);
    layout->addWidget(buttons);
    std::vector<QWidget*> order{header.partyCode, header.type, header.invoice, header.reference, header.date, header.dueDate, header.memo};
    for (QWidget* field : distribution->fieldsInOrder()) order.push_back(field);
    order.push_back(header.cash);
    FinishEntryForm(form, *layout, std::move(order), 640);
}

}  // namespace orvant::entryscreens
