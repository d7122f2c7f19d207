#pragma once
// A document's charges to job-costing projects: lines of project, phase and amount (and, on
// the payables side, the cost element with its quantity and rate), checked before the posting
// begins and written as project transactions inside it.

#include <optional>
#include <string>
#include <vector>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::sidedialogs {

struct ProjectLine {
    std::string project;
    std::string phase;
    Money amount;
    // Payables only: the element charged, and the quantity and rate whose product is the amount.
    std::string element;
    double quantity = 0;
    Money rate;
};

// Why a line is refused: the number of the calling screen's message, and the line (from 0).
struct ProjectRefusal {
    enum Message { NoSuchProject = 19, NoBudget = 20 };
    Message message;
    int line = 0;
};

// Every line's project must exist; a project that takes charges only on budgeted phases
// (JcProject_Fact 0) must have a budget for the line's phase.
std::optional<ProjectRefusal> CheckProjectLines(store::Database& company, const std::vector<ProjectLine>& lines);

// The same for purchases, with the purchases screen's messages: every line's project must
// exist, its (project, phase) must have a budget whatever the project, and its element a budget
// line under that phase.
struct PurchaseProjectRefusal {
    enum Message { NoSuchProject = 20, NoBudget = 21, NoElementBudget = 22 };
    Message message;
    int line = 0;
};
std::optional<PurchaseProjectRefusal> CheckPurchaseProjectLines(store::Database& company, const std::vector<ProjectLine>& lines);

// Quantity x rate at currency precision: a purchase line's amount; nothing when it would pass
// what the books hold.
std::optional<Money> ProjectLineAmount(double quantity, Money rate);

// Which ledger charges the project: a sale (type 1, source 3, the amount as its volume at a rate
// of 1) or a purchase (type 0, source 2, the element with its quantity and rate).
enum class ProjectSource { Sales, Purchases };

// What every transaction of one document shares.
struct ProjectPosting {
    Date date;  // date, period and reference of the document's journal header
    int period = 0;
    std::string reference;
    std::string description;      // the client's or supplier's name
    std::string typeDescription;  // the screen's text for the kind of transaction
    std::string user;
    ProjectSource source = ProjectSource::Sales;
};

// Writes one project transaction per line, numbered on from the last one. Run it inside the
// posting's transaction; a number that another workstation took meanwhile is stepped over.
void WriteProjectTransactions(store::Database& company, const std::vector<ProjectLine>& lines, const ProjectPosting& posting);

}  // namespace orvant::sidedialogs
