#pragma once
// Where one installation keeps its books: the data root shared by every company, each company's
// directory beside it, and the store engine they live in.

#include <stdexcept>
#include <string>

#include "store/backend.h"

namespace orvant::company {

struct Installation {
    std::string dataRoot;       // ".../Orvant/data"
    store::StoreConfig store;   // empty: the embedded store

    // The data root and the company number with no separator: "/x/data" and 12 give "/x/data12".
    std::string companyDir(int company) const { return dataRoot + std::to_string(company); }
};

// A request the books cannot take as it stands (a company that already exists, a name too
// long); its text is for the administrator, and nothing was changed.
class SetupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Company numbers are stored in small-integer fields of the user table.
inline constexpr int kLastCompanyNumber = 32767;

}  // namespace orvant::company
