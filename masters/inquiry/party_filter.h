#pragma once
// The inquiries' filter: the entry chosen in "Select a field:", the operator and the typed
// parameter give the clients or suppliers that match, in code order.
//
// Entries and operators are taken by their index in the screen's lists, never by their text;
// each entry names its field through the kind's own table, never by the field's place in the
// record. The parameter is read as the field's type (amounts and dates in the session's
// notation, booleans as yes/no, true/false, oui/non or 1/0) and bound to the query, never
// written into its text. "CONTAINING" finds the parameter anywhere in a text field, "%" and
// "_" included as themselves, upper and lower case alike (accented letters too), the same on
// every engine. A timestamp compares on its date; "<>" on a date keeps every other date.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "money/amount_text.h"
#include "store/database.h"

namespace orvant::inquiry {

enum class PartyKind { Client, Supplier };

// The operator list, in its order: "=", ">", "<", "<>", "CONTAINING".
enum class FilterOperator { Equal = 0, Greater = 1, Less = 2, NotEqual = 3, Containing = 4 };
inline constexpr int kFilterOperatorCount = 5;

// How an entry's parameter is read and compared.
enum class FilterFieldType { Text, Integer, Decimal, Money, Boolean, Date, Stamp };

struct FilterField {
    const char* field;  // the column of cli or sup
    FilterFieldType type;
    const char* caption;  // the entry in English, shown when no language row names it
};

// The entries of the kind's "Select a field:" list, in list order: 43 for clients (the client
// record from `Cli_code` to `Cli_block_orders`), 32 for suppliers.
std::span<const FilterField> FilterFields(PartyKind kind);

// The message the screen shows when a filter cannot be read: a parameter that is not of the
// field's type, "CONTAINING" on anything but text, an entry or operator out of its list.
inline constexpr int kUnreadableFilterMessage = 5;

struct PartyFilter {
    int fieldIndex = 0;     // in FilterFields(kind)
    int operatorIndex = 0;  // a FilterOperator
    std::string parameter;  // as typed; blank lists every party
};

// How the session writes what a person types.
struct ParameterNotation {
    AmountLanguage language = AmountLanguage::English;
    std::string dateFormat = "DD/MM/YYYY";

    // The session language's amounts and the registry's short date format.
    static ParameterNotation ofSession(int sessionLanguage);
};

// A line of the list tab; the other tabs read the party's record by its code.
struct PartyListRow {
    std::string code;
    std::string name;
    std::string telephone;
};

// The parties that match, in code order; nothing when the filter cannot be read (the screen
// then shows kUnreadableFilterMessage and keeps its previous list). Store errors propagate.
std::optional<std::vector<PartyListRow>> FilteredParties(store::Database& books, PartyKind kind,
                                                         const PartyFilter& filter, const ParameterNotation& notation);

}  // namespace orvant::inquiry
