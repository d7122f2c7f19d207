#pragma once
// The rules of the holdback dialog, without its widgets. The percent held back is typed, and
// leaving it shows the amount it takes from the base; the amount may then be typed over, and
// closing takes the percent back from the amount. A due date is read only when something is
// held back. The receivables form offers the choice of holding the taxes back too, which sets
// the base; the payables form works on one base amount.

#include <QString>
#include <variant>

#include "books/holdback.h"
#include "money/money.h"

namespace orvant::sidedialogs {

// Numbers of the calling screen's messages.
enum HoldbackMessage { kNotANumber = 16, kNotADate = 17 };

enum class HoldbackField { Percent, Amount, DueDate };

struct HoldbackRefusal {
    HoldbackMessage message = kNotANumber;
    HoldbackField field = HoldbackField::Percent;
};

// The percent as shown again after leaving it, and the amount it gives.
struct HoldbackPercentShown {
    QString percent;
    QString amount;
};

// What the user settled on: the answer the posting applies, and the amount shown with it.
struct HoldbackEntered {
    HoldbackAnswer answer;
    Money amount;
};

class HoldbackEntry {
public:
    // Receivables: the base is net + federal + provincial when the taxes are calculated before
    // the holdback (choice 0), the net amount alone when the taxes are held back too (choice 1).
    static HoldbackEntry forSales(Money net, Money federalTax, Money provincialTax, HoldbackChoice initialChoice);
    // Payables: one base amount, no choice.
    static HoldbackEntry forPurchases(Money base);

    bool offersChoice() const { return offersChoice_; }
    HoldbackChoice choice() const { return choice_; }
    void setChoice(HoldbackChoice choice) { choice_ = choice; }
    Money base() const;

    // What the percent and the amount show when the dialog opens.
    static QString initialText() { return QStringLiteral("0.00"); }

    // Leaving the percent: the percent typed, shown again with two decimals, and percent / 100 of
    // the base in cents. A base of 0 or less holds nothing back, so its amount is 0.
    std::variant<HoldbackPercentShown, HoldbackRefusal> leavePercent(const QString& typed) const;

    // Closing: both numbers must read, the amount typed (which may differ from what the percent
    // gave) sets the percent, and a positive amount needs a due date in the short date format.
    std::variant<HoldbackEntered, HoldbackRefusal> close(const QString& percentTyped, const QString& amountTyped,
                                                          const QString& dueDateTyped) const;

private:
    HoldbackEntry(Money net, Money federalTax, Money provincialTax, bool offersChoice, HoldbackChoice choice);

    Money net_, federalTax_, provincialTax_;
    bool offersChoice_;
    HoldbackChoice choice_;
};

}  // namespace orvant::sidedialogs
