#include "sidedialogs/holdback_entry.h"

#include <QRegularExpression>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "sidedialogs/percent_text.h"

namespace orvant::sidedialogs {

namespace {

constexpr double kWholeAmount = 100;  // a holdback never takes more than the whole base

const HoldbackRefusal kBadPercent{kNotANumber, HoldbackField::Percent};
const HoldbackRefusal kBadAmount{kNotANumber, HoldbackField::Amount};
const HoldbackRefusal kBadDueDate{kNotADate, HoldbackField::DueDate};

// A percent is plain digits with an optional decimal point: no sign, no exponent.
std::optional<double> readPercent(const QString& typed)
{
    static const QRegularExpression plainNumber(QStringLiteral(R"(^(\d+(\.\d*)?|\.\d+)$)"));
    const QString text = typed.trimmed();
    if (!plainNumber.match(text).hasMatch()) return std::nullopt;
    const double percent = text.toDouble();
    if (percent > kWholeAmount) return std::nullopt;
    return percent;
}

std::optional<Money> readAmount(const QString& typed, Money base)
{
    const std::optional<Money> amount = ReadTypedAmount(typed.trimmed().toStdString());
    if (!amount || amount->isNegative()) return std::nullopt;
    if (base > Money() && *amount > base) return std::nullopt;
    return amount;
}

}  // namespace

HoldbackEntry::HoldbackEntry(Money net, Money federalTax, Money provincialTax, bool offersChoice, HoldbackChoice choice)
    : net_(net), federalTax_(federalTax), provincialTax_(provincialTax), offersChoice_(offersChoice), choice_(choice)
{
}

HoldbackEntry HoldbackEntry::forSales(Money net, Money federalTax, Money provincialTax, HoldbackChoice initialChoice)
{
    return HoldbackEntry(net, federalTax, provincialTax, true, initialChoice);
}

HoldbackEntry HoldbackEntry::forPurchases(Money base)
{
    return HoldbackEntry(base, Money(), Money(), false, HoldbackChoice::TaxesBeforeHoldback);
}

Money HoldbackEntry::base() const
{
    return HoldbackBase({net_ + federalTax_ + provincialTax_, federalTax_, provincialTax_}, choice_);
}

std::variant<HoldbackPercentShown, HoldbackRefusal> HoldbackEntry::leavePercent(const QString& typed) const
{
    const std::optional<double> percent = readPercent(typed);
    if (!percent) return kBadPercent;
    const Money amount = base() > Money() ? base().percent(*percent) : Money();
    return HoldbackPercentShown{PercentText(*percent), QString::fromStdString(FormatAmount(amount))};
}

std::variant<HoldbackEntered, HoldbackRefusal> HoldbackEntry::close(const QString& percentTyped, const QString& amountTyped,
                                                                     const QString& dueDateTyped) const
{
    if (!readPercent(percentTyped)) return kBadPercent;
    const std::optional<Money> amount = readAmount(amountTyped, base());
    if (!amount) return kBadAmount;

    HoldbackEntered entered;
    entered.answer.choice = choice_;
    // With nothing to hold back from there is no percent: the posting applies no holdback.
    if (base() <= Money() || amount->isZero()) return entered;

    const std::optional<Date> due = ParseDate(dueDateTyped.toStdString(), ShortDateFormat());
    if (!due) return kBadDueDate;
    entered.amount = *amount;
    entered.answer.amount = *amount;  // held back to the cent, whatever the percent's decimals
    entered.answer.percent = static_cast<double>(amount->raw()) / static_cast<double>(base().raw()) * 100;
    entered.answer.dueDate = *due;
    return entered;
}

}  // namespace orvant::sidedialogs
