#pragma once
// The tax report: per rate and document, the amount subject to the tax and the tax itself. A
// posting adds into the line of the same rate, document, type code and date, or makes it, in
// one statement, so two workstations posting the same document number never make it twice.

#include <string>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/query.h"

namespace orvant {

struct TaxReportLine {
    int code = 0;      // the rate's TaxRates_Code
    int typeCode = 0;  // where the line comes from (3 a sale crediting the tax account, 4 a cheque...)
    std::string reference;
    Date date;
    Money net;  // the amount subject to the rate
    Money tax;
};

class TaxReportWriter {
public:
    // `table` is "taxrep" (receivables, purchase flag false) or "taxrepP" (payables, true).
    TaxReportWriter(store::Database& company, const std::string& table, bool purchases);

    void add(const TaxReportLine& line);

private:
    store::Database& company_;
    store::Query upsert_;
    bool purchases_;
};

}  // namespace orvant
