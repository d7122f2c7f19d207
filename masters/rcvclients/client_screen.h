#pragma once
// Client maintenance without its widgets: browsing the clients, inserting and changing one with
// the changes kept in the screen, the checks of each field and of the save, the lists, the
// pickers' results, and a delete that asks first and is refused while the client has entries.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared/choice_lists.h"
#include "shared/master_host.h"
#include "shared/maintenance_screen.h"
#include "shared/record_editor.h"
#include "shared/reference_checks.h"

namespace orvant::masters {

// The pickers the screen opens; an empty code or 0 is a cancelled picker.
class ClientPickers {
public:
    virtual ~ClientPickers() = default;
    virtual std::string client() = 0;
    virtual std::string salesman() = 0;
    virtual std::string territory() = 0;
    virtual int terms() = 0;
    virtual int account() = 0;
};

enum ClientMessage {
    kNoSalesman = 0, kNoPostalCode = 1, kNoTerms = 2, kHasEntries = 3, kNoSuchTerritory = 4, kNoSuchTerms = 5,
    kNoSuchSalesman = 6, kNoSuchBillTo = 7, kNoSuchAccount = 8, kClientListTitle = 9, kNoEmail = 10, kNoSuchCode = 11,
    kConfirmDelete = 12, kDueDaysOutOfRange = 13, kCodeTakenMeanwhile = 14, kClientGone = 15, kWaitingForClient = 16,
    kNoCompany = 17, kNotAnAmount = 18,
};

struct ClientSettings {
    int taxSystem = 0;
    int invoiceCopies = 1;  // Ctrl_ArCopies
    bool international = false;
};

class ClientScreen : public MaintenanceScreen {
public:
    ClientScreen(store::Database& company, store::Database& dataRoot, MasterHost& host, ClientPickers& pickers,
                 bool largerEdition, bool international, std::string homeCurrencyName = "Défaut");

    // What the form shows besides the record.
    const ChoiceList& priceLists() const { return priceLists_; }
    const ChoiceList& currencies() const { return currencies_; }
    const std::vector<std::string>& invoiceFormats() const { return formats_; }
    std::optional<int> priceListIndex() const { return priceLists_.indexOf(static_cast<int>(editor_.number("Cli_price_list"))); }
    std::optional<int> currencyIndex() const { return currencies_.indexOf(static_cast<int>(editor_.number("Cli_currency"))); }
    const ClientSettings& settings() const { return settings_; }
    // Under taxes per rate, the lines of the taxes list.
    const std::vector<TaxLine>& taxLines() const { return taxLines_; }

    // The fields. Each check is skipped when the focus goes to the field's own list button (or
    // exit, help).
    void leaveTerms(const std::string& text, bool skipCheck);
    void leaveSalesman(bool skipCheck);
    void leaveTerritory(bool skipCheck);
    void leaveBillTo(bool skipCheck);
    void leaveAccount(int n, const std::string& text, bool skipCheck);
    void leaveLanguage();
    void choosePriceList(int index);
    void chooseCurrency(int index);
    void chooseInvoiceFormat(int index);
    void setTaxLine(int line, bool on);

    // The pickers of the fields.
    void pickSalesman();
    void pickTerritory();
    void pickTerms();
    void pickBillTo();
    void pickAccount(int n);

private:
    void addInsertDefaults(std::map<std::string, store::Value>& defaults) override;
    std::optional<SaveRefusal> checkForSave(RecordEditor& record) override;
    bool hasEntries(const std::string& code) override { return references_.clientHasEntries(code); }
    std::string pickRecord() override { return pickers_.client(); }
    void codeTypedForInsert() override;
    // A reference typed in a field: refused with `message` when `known` says it is not.
    void checkReference(const std::string& field, bool skipCheck, int message, const std::function<bool(const std::string&)>& known);

    ClientPickers& pickers_;
    References references_;
    ClientSettings settings_;
    ChoiceList priceLists_, currencies_;
    std::vector<std::string> formats_;
    std::vector<TaxLine> taxLines_;
};

// Pages of the screen.
inline constexpr int kGeneralPage = kFirstPage, kControlPage = 1, kCommentsPage = 2;

}  // namespace orvant::masters
