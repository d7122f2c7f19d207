#pragma once
// The setup wizard's pages without their widgets: where the company is, the page shown, and the
// presets each page gets from the country and the province. A change of country or province
// puts the rates and the date format back to the presets of the new place, so that no rate of
// the former province is saved for the new one.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace orvant::launcher {

// The provinces in the order of the wizard's list.
inline constexpr int kProvinceCount = 10;
inline constexpr int kNewfoundland = 3, kNovaScotia = 5, kQuebec = 7, kOntario = 8;
// The date formats offered, in the order of the wizard's list.
inline const QStringList kSetupDateFormats{QStringLiteral("yyyy/mm/dd"), QStringLiteral("dd/mm/yyyy"), QStringLiteral("mm/dd/yyyy")};
inline constexpr int kDayMonthYear = 1, kMonthDayYear = 2;
inline constexpr int kRateCount = 3;
inline constexpr double kHighestRate = 100.0;

// Where the company pays its taxes: outside Canada, or in a province of Canada.
struct SetupPlace {
    bool inCanada = false;
    int province = 0;
    bool operator==(const SetupPlace&) const = default;
};

// The wording of the tax group of page 3, by place.
enum class TaxWording { SalesTaxAndVat, GstPst, GstPstHst, GstQst };

// What the user has chosen and typed, as the boxes hold it.
struct SetupAnswers {
    bool inCanada = false;
    int province = -1;    // -1: none chosen yet
    int dateFormat = -1;  // position in kSetupDateFormats; -1: none chosen
    std::array<QString, kRateCount> rates;
    QString currencySymbol;
    std::optional<bool> alignRight;
    QString currencyDescription;
    QString fractionsDescription;

    SetupPlace place() const { return {inCanada, inCanada ? province : 0}; }
};

class SetupSteps {
public:
    // `language` is the session's (2 French: rates typed "7,5", Québec aligned right);
    // `tolvane` the edition whose taxes are set elsewhere (no note about them).
    SetupSteps(int language, bool tolvane);

    int page() const { return page_; }
    bool lastPage() const { return page_ == 5; }
    SetupAnswers& answers() { return answers_; }
    const SetupAnswers& answers() const { return answers_; }

    // False when page 3 holds a rate that does not read as 0 to 100; badRate() names it.
    bool next();
    void back();
    int badRate() const { return badRate_; }

    TaxWording taxWording() const;
    bool thirdRateShown() const;
    bool taxNoteShown() const { return !answers_.inCanada && !tolvane_; }

    // A rate box's text as a percentage: empty is 0; nothing for a text that does not read or
    // lies outside 0 to 100.
    std::optional<double> rate(int box) const;

private:
    void presetTaxes();
    void presetCurrency();
    QString decimal(const char* rate) const;

    int language_;
    bool tolvane_;
    int page_ = 1;
    int badRate_ = -1;
    SetupAnswers answers_;
    std::optional<SetupPlace> taxesPresetFor_;
    std::optional<SetupPlace> alignmentPresetFor_;
};

// The company a creation added: the one number found after it and not before. Nothing when the
// creation added none (it was cancelled) or when several appeared and none can be told apart.
std::optional<int> AddedCompany(const QList<int>& before, const QList<int>& after);

}  // namespace orvant::launcher
