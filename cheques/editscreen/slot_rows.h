#pragma once
// The "Accounting distribution" page of a cheque: the ten slots of its journal entry, each an
// account and an amount (Apchqh_accnt1..10, Apchqh_dist1..10): the payable account of slot 1,
// the bank of slot 2, the discount of slot 3, then slots 4 to 10 with their list of accounts.
// Slots 1 and 2 follow the lines, so their amounts and accounts are shown, never typed; the
// total under them shows whether the slots balance.

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvant::chequescreen {

inline constexpr int kSlotCount = 10;
// The first slot the user may type in.
inline constexpr int kFirstTypedSlot = 3;
// The first slot with a list of accounts.
inline constexpr int kFirstListedSlot = 4;

class SlotRows : public QWidget {
public:
    explicit SlotRows(QWidget* parent);

    // Slot `slot`, counted from 1.
    QLineEdit* account(int slot) const { return accounts_.at(static_cast<std::size_t>(slot - 1)); }
    QLineEdit* amount(int slot) const { return amounts_.at(static_cast<std::size_t>(slot - 1)); }
    // The list of accounts of slots 4 to 10; none below.
    QPushButton* listButton(int slot) const { return slot >= kFirstListedSlot ? buttons_.at(static_cast<std::size_t>(slot - 1)) : nullptr; }
    QLineEdit* total() const { return total_; }

    // The slot of a box of the page, or 0.
    int slotOfAccount(const QWidget* box) const;
    int slotOfAmount(const QWidget* box) const;
    int slotOfButton(const QWidget* button) const;

    // Slots 3 to 10 take input while a cheque is typed; 1 and 2 never.
    void setTyping(bool on);

private:
    std::array<QLineEdit*, kSlotCount> accounts_{}, amounts_{};
    std::array<QPushButton*, kSlotCount> buttons_{};
    QLineEdit* total_;
};

}  // namespace orvant::chequescreen
