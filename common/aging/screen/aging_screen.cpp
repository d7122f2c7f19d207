#include "aging_screen.h"

#include "dates/date_format.h"

namespace orvant::aging {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

// Every currency keeps its own number, so a list that skips an unnamed currency still converts
// with the right rate.
std::vector<CurrencyChoice> currencyList(const QString& first, const QString& home, const CurrencyTable& table)
{
    std::vector<CurrencyChoice> list{{first, std::nullopt}, {home, 0}};
    for (int c = 1; c < kCurrencies; ++c) {
        const std::string& name = table.names[static_cast<std::size_t>(c)];
        if (!name.empty()) list.push_back({qt(name), c});
    }
    return list;
}

}  // namespace

AgingScreen::AgingScreen(const AgingScreenLedger& kind, AgingHost& host, store::Database& books, AgingControl control,
                         AgingReportSetup setup, std::string dateFormat, Date today, const std::function<QString(int)>& texts)
    : kind_(kind), host_(host), books_(books), control_(std::move(control)), setup_(std::move(setup)),
      dateFormat_(std::move(dateFormat)), allText_(texts(kAllMessage))
{
    setup_.withTelephone = kind_.telephone;
    choices_.reportDate = qt(FormatDate(today, dateFormat_));
    conversion_ = currencyList(texts(kNoConversionMessage), texts(kDefaultMessage), control_.currencies);
    currencies_ = currencyList(allText_, texts(kDefaultMessage), control_.currencies);
}

QStringList AgingScreen::olderThanItems() const
{
    QStringList items;
    for (const std::string& name : control_.bucketNames) items << qt(name);
    return items << allText_;
}

// An invalid date keeps the focus in its field, without a message.
bool AgingScreen::leaveReportDate()
{
    if (ParseDate(choices_.reportDate.toStdString(), dateFormat_)) return true;
    host_.focus(AgingField::ReportDate);
    return false;
}

bool AgingScreen::leaveToCode() { return rangeInOrder(); }

// A range whose first code comes after its last is cleared, the focus on its first code; an
// empty last code means no upper limit.
bool AgingScreen::rangeInOrder()
{
    if (choices_.toCode.empty() || choices_.fromCode <= choices_.toCode) return true;
    choices_.fromCode.clear();
    choices_.toCode.clear();
    host_.refresh();
    host_.focus(AgingField::FromParty);
    return false;
}

void AgingScreen::detailedChanged(bool on)
{
    choices_.detailed = on;
    if (!on) choices_.withAddress = false;
    host_.refresh();
}

// The history holds no balance to test against 0, so the zero-balance choice goes with it.
void AgingScreen::historyChanged(bool on)
{
    choices_.history = on;
    if (on) choices_.zeroBalance = false;
    host_.refresh();
}

void AgingScreen::pickFromCode()
{
    if (const std::string code = host_.pickParty(); !code.empty()) choices_.fromCode = code;
    host_.refresh();
}

void AgingScreen::pickToCode()
{
    if (const std::string code = host_.pickParty(); !code.empty()) choices_.toCode = code;
    host_.refresh();
}

// The territory picker's answer is the bound as it is, an empty one included.
void AgingScreen::pickTerritory()
{
    choices_.territory = host_.pickTerritory();
    host_.refresh();
}

std::optional<AgingOptions> AgingScreen::options() const
{
    const auto date = ParseDate(choices_.reportDate.toStdString(), dateFormat_);
    if (!date) return std::nullopt;
    AgingOptions o;
    o.reportDate = *date;
    o.fromCode = choices_.fromCode;
    o.toCode = choices_.toCode;
    if (kind_.territories) o.territory = QString::fromStdString(choices_.territory).trimmed().toStdString();
    o.olderThan = choices_.olderThan >= 0 && choices_.olderThan < kBuckets ? choices_.olderThan + 1 : 0;
    o.bySalesRep = kind_.territories && choices_.printOrder == 1;
    o.convertTo = conversion_.at(static_cast<std::size_t>(choices_.convertTo)).currency;
    o.onlyCurrency = currencies_.at(static_cast<std::size_t>(choices_.printCurrency)).currency;
    o.fromDueDate = choices_.fromDueDate;
    o.includeSubsequent = choices_.includeSubsequent;
    o.keepZeroBalance = choices_.zeroBalance && !choices_.history;
    o.history = choices_.history;
    return o;
}

bool AgingScreen::run(AgingOutput how)
{
    if (!rangeInOrder() || !leaveReportDate()) return false;
    AgingReportSetup setup = setup_;
    setup.detailed = choices_.detailed;
    setup.withAddress = addressEnabled() && choices_.withAddress;
    setup.withComments = choices_.withComments;
    setup.typeNames = host_.typeNames();
    struct Busy {
        AgingHost& host;
        explicit Busy(AgingHost& h) : host(h) { host.setBusy(true); }
        ~Busy() { host.setBusy(false); }
    } busy(host_);
    AgingRun agingRun(books_, kind_.ledger, control_, *options());
    try {
        const report::ReportDocument document = BuildAgingReport(agingRun, host_.layoutTexts(choices_.detailed), setup);
        return host_.output(how, document, choices_.printDialog);
    } catch (const ZeroRate& refused) {
        host_.message(kZeroRateMessage, qt(refused.currencyName()));
        return false;
    }
}

}  // namespace orvant::aging
