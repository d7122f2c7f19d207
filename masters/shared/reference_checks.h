#pragma once
// The references a master record holds to other tables: a salesman, a territory, terms, a
// bill-to client, accounts. Each is a lookup by key.

#include <optional>
#include <string>

#include "store/database.h"

namespace orvant::masters {

class References {
public:
    // The company's tables, and the data root's (terms and territories are shared by all).
    References(store::Database& company, store::Database& dataRoot);

    bool salesmanExists(const std::string& code);
    bool territoryExists(const std::string& code);
    // The number of due days of the terms; nothing when there are no such terms.
    std::optional<int> termsDays(int terms);
    bool clientExists(const std::string& code);
    bool accountExists(int account);
    // Whether the client has entries in its ledger or in the ledger's history (or the supplier
    // in theirs): a party with entries is never deleted.
    bool clientHasEntries(const std::string& code);
    bool supplierHasEntries(const std::string& code);

private:
    bool exists(store::Database& db, const char* sql, const store::Value& key);

    store::Database& company_;
    store::Database& dataRoot_;
};

}  // namespace orvant::masters
