#pragma once
// The options screen of an aging, of the clients' or the suppliers' accounts: its fields and
// their rules, and the report run on Print, Preview or Export. No widget here; the form forwards
// its events.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "aging/aging_run.h"
#include "aging/aging_screen_ledger.h"
#include "aging_host.h"

namespace orvant::aging {

// Messages of the screen after the type abbreviations (0 to 5).
inline constexpr int kZeroRateMessage = 6;     // "%1" the currency
inline constexpr int kAllMessage = 7;          // the last choice of the older-than list
inline constexpr int kNoConversionMessage = 8;
inline constexpr int kDefaultMessage = 9;      // the home currency in the currency lists
inline constexpr int kOutputFailedMessage = 10;  // "%1" what went wrong

// An item of a currency list and the currency it stands for (none: no conversion, or all).
struct CurrencyChoice {
    QString text;
    std::optional<int> currency;
};

struct AgingChoices {
    QString reportDate;  // as typed, in the session's date format
    std::string fromCode, toCode, territory;
    int olderThan = kBuckets;  // index in the list: 0..4 the buckets, 5 "All"
    int printOrder = 0;        // 0 code, 1 sales rep
    int convertTo = 0;         // index in conversionChoices()
    int printCurrency = 0;     // index in currencyChoices()
    bool printDialog = true;
    bool withAddress = false;
    bool fromDueDate = false;
    bool includeSubsequent = false;
    bool detailed = true;
    bool withComments = false;
    bool zeroBalance = false;
    bool history = false;
};

class AgingScreen {
public:
    // `texts` gives message N of the screen (for the list items it names).
    AgingScreen(const AgingScreenLedger& kind, AgingHost& host, store::Database& books, AgingControl control,
                AgingReportSetup setup, std::string dateFormat, Date today, const std::function<QString(int)>& texts);

    const AgingScreenLedger& kind() const { return kind_; }
    AgingChoices& choices() { return choices_; }
    const AgingChoices& choices() const { return choices_; }
    const AgingControl& control() const { return control_; }

    QStringList olderThanItems() const;
    const std::vector<CurrencyChoice>& conversionChoices() const { return conversion_; }
    const std::vector<CurrencyChoice>& currencyChoices() const { return currencies_; }
    bool addressEnabled() const { return kind_.addresses && choices_.detailed; }
    bool zeroBalanceEnabled() const { return !choices_.history; }

    // Leaving a field; false when the focus was sent back.
    bool leaveReportDate();
    bool leaveToCode();
    void detailedChanged(bool on);
    void historyChanged(bool on);
    void pickFromCode();
    void pickToCode();
    void pickTerritory();

    // Runs the report for the output; true when the screen should close.
    bool run(AgingOutput how);

    // The engine's options from the screen's choices; nothing when the date does not read.
    std::optional<AgingOptions> options() const;

private:
    bool rangeInOrder();

    const AgingScreenLedger& kind_;
    AgingHost& host_;
    store::Database& books_;
    AgingControl control_;
    AgingReportSetup setup_;
    std::string dateFormat_;
    AgingChoices choices_;
    QString allText_;
    std::vector<CurrencyChoice> conversion_, currencies_;
};

}  // namespace orvant::aging
