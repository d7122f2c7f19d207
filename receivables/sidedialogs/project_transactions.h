#pragma once
// A document's charges to job-costing projects: lines of project, phase and amount, checked
// before the posting begins and written as project transactions inside it.

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

// What every transaction of one document shares.
struct ProjectPosting {
    Date date;  // date, period and reference of the document's journal header
    int period = 0;
    std::string reference;
    std::string description;      // the client's name
    std::string typeDescription;  // the screen's text for the kind of transaction
    std::string user;
};

// Writes one project transaction per line, numbered on from the last one. Run it inside the
// posting's transaction; a number that another workstation took meanwhile is stepped over.
void WriteProjectTransactions(store::Database& company, const std::vector<ProjectLine>& lines, const ProjectPosting& posting);

}  // namespace orvant::sidedialogs
