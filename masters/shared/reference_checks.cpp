#include "shared/reference_checks.h"

#include "store/query.h"

namespace orvant::masters {

References::References(store::Database& company, store::Database& dataRoot) : company_(company), dataRoot_(dataRoot) {}

bool References::exists(store::Database& db, const char* sql, const store::Value& key)
{
    store::Query query(db, sql);
    query.bind(0, key);
    query.open();
    return !query.eof();
}

bool References::salesmanExists(const std::string& code) { return exists(company_, "SELECT 1 FROM slsm WHERE slsm_code = ?", code); }

bool References::territoryExists(const std::string& code) { return exists(dataRoot_, "SELECT 1 FROM arterr WHERE arterr_code = ?", code); }

std::optional<int> References::termsDays(int terms)
{
    store::Query query(dataRoot_, "SELECT arterms_days FROM arterms WHERE arterms_code = ?");
    query.bind(0, terms);
    query.open();
    if (query.eof()) return std::nullopt;
    return static_cast<int>(query.field(0).asInt());
}

bool References::clientExists(const std::string& code) { return exists(company_, "SELECT 1 FROM cli WHERE cli_code = ?", code); }

bool References::accountExists(int account) { return exists(company_, "SELECT 1 FROM glm WHERE glm_account = ?", account); }

bool References::clientHasEntries(const std::string& code)
{
    return exists(company_, "SELECT 1 FROM car WHERE car_client = ?", code) || exists(company_, "SELECT 1 FROM carh WHERE car_client = ?", code);
}

bool References::supplierHasEntries(const std::string& code)
{
    return exists(company_, "SELECT 1 FROM cap WHERE cap_supplier = ?", code) ||
           exists(company_, "SELECT 1 FROM caph WHERE cap_supplier = ?", code);
}

}  // namespace orvant::masters
