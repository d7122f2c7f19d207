#pragma once
// The records the benchmark writes and reads: client-ledger entries of the books' own layout
// ("car"), each made from a row number, so that every twin writes, finds and walks the very
// same records.

#include <cstdint>
#include <string>
#include <vector>

#include "dates/date.h"

namespace orvant::bench {

// The ledger's table and columns, in record order, as both engines name them.
inline constexpr const char* kLedgerTable = "car";
inline constexpr const char* kLedgerColumns =
    "car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_memo, car_slsm, "
    "car_pro_tax, car_fed_tax, car_seq, car_user, car_stamp";
// The columns an insert writes: all but car_seq, which the engine numbers.
inline constexpr const char* kLedgerWrittenColumns =
    "car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_memo, car_slsm, "
    "car_pro_tax, car_fed_tax, car_user, car_stamp";
inline constexpr const char* kLedgerKeyColumns = "car_client, car_invoice, car_seq";

struct LedgerRow {
    std::string client;
    std::string invoice;
    std::string reference;
    Date date;
    std::string type;
    Date dueDate;
    std::int64_t amount = 0;  // ten-thousandths, as money columns hold them
    std::string memo;
    std::string salesman;
    std::int64_t provincialTax = 0;
    std::int64_t federalTax = 0;
    std::int64_t seq = 0;  // numbered by the engine on insert; known only once read back
    std::string user;
    DateTime stamp;
};

struct LedgerKey {
    std::string client;
    std::string invoice;
    std::int64_t seq = 0;
};

// Row number n of the ledger.
LedgerRow ledgerRow(std::int64_t n);
std::vector<LedgerRow> ledgerRows(std::int64_t first, std::int64_t count);

// The key row n has once rows 0 to n were inserted in that order into an empty ledger: the
// engine numbers them 1, 2, 3 ...
LedgerKey ledgerKey(std::int64_t n);

}  // namespace orvant::bench
