#include "slot_rows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entryscreens/entry_fields.h"
#include "sidedialogs/grid_editors.h"
#include "ui/screen_actions.h"

namespace orvant::chequescreen {

namespace {

constexpr int kAccountWidth = 9;

// The captions of slots 1 to 3; the others are numbered.
const char* const kNamedSlots[] = {"Accounts payable", "Bank", "Discount"};

QByteArray numbered(const char* stem, int slot) { return QByteArray(stem) + QByteArray::number(slot); }

}  // namespace

SlotRows::SlotRows(QWidget* parent) : QWidget(parent)
{
    setObjectName("SlotRows");
    auto* grid = new QGridLayout(this);
    grid->addWidget(entryscreens::BuddyLabel(this, "AccountHeading", "Account"), 0, 1);
    grid->addWidget(entryscreens::BuddyLabel(this, "AmountHeading", "Amount"), 0, 3);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        QLineEdit* account = entryscreens::NamedEdit(this, numbered("Apchqh_accnt", slot).constData(), kAccountWidth);
        QLineEdit* amount = entryscreens::NamedEdit(this, numbered("Apchqh_dist", slot).constData());
        amount->setAlignment(Qt::AlignRight);
        amount->setValidator(new sidedialogs::AmountValidator(amount));
        const QByteArray caption = slot <= 3 ? QByteArray(kNamedSlots[slot - 1]) : QByteArray("Account ") + QByteArray::number(slot);
        grid->addWidget(entryscreens::BuddyLabel(this, numbered("SlotLabel", slot).constData(), caption.constData(), account), slot, 0);
        grid->addWidget(account, slot, 1);
        if (slot >= kFirstListedSlot) {
            auto* list = new QPushButton("...", this);
            list->setObjectName(QLatin1String(numbered("AccountBtn", slot)));
            list->setToolTip("List of accounts (F2)");
            list->setAutoDefault(false);
            list->setFocusPolicy(Qt::NoFocus);
            // Going to the list does not check the account left: the list fills it.
            list->setProperty("tag", ui::kLeavingSkipsChecks);
            list->setMaximumWidth(32);
            grid->addWidget(list, slot, 2);
            buttons_[i] = list;
        }
        grid->addWidget(amount, slot, 3);
        accounts_[i] = account;
        amounts_[i] = amount;
    }
    total_ = entryscreens::NamedEdit(this, "SlotTotal");
    total_->setReadOnly(true);
    total_->setFocusPolicy(Qt::NoFocus);
    total_->setAlignment(Qt::AlignRight);
    grid->addWidget(entryscreens::BuddyLabel(this, "SlotTotalLabel", "Total"), kSlotCount + 1, 2);
    grid->addWidget(total_, kSlotCount + 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(kSlotCount + 2, 1);
    for (int slot = 1; slot < kFirstTypedSlot; ++slot)
        for (QLineEdit* shown : {account(slot), amount(slot)}) {
            shown->setReadOnly(true);
            shown->setFocusPolicy(Qt::NoFocus);
        }
}

int SlotRows::slotOfAccount(const QWidget* box) const
{
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (account(slot) == box) return slot;
    return 0;
}

int SlotRows::slotOfAmount(const QWidget* box) const
{
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (amount(slot) == box) return slot;
    return 0;
}

int SlotRows::slotOfButton(const QWidget* button) const
{
    for (int slot = kFirstListedSlot; slot <= kSlotCount; ++slot)
        if (listButton(slot) == button) return slot;
    return 0;
}

void SlotRows::setTyping(bool on)
{
    for (int slot = kFirstTypedSlot; slot <= kSlotCount; ++slot) {
        account(slot)->setEnabled(on);
        amount(slot)->setEnabled(on);
        if (QPushButton* list = listButton(slot)) list->setEnabled(on);
    }
}

}  // namespace orvant::chequescreen
