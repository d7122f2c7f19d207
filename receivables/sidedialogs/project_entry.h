#pragma once
// The rules of the project dialog, without its widgets: the lines of project, phase and amount
// the user builds, the amount still to distribute, and the check at OK.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sidedialogs/project_transactions.h"
#include "store/database.h"

namespace orvant::sidedialogs {

// A line the user left empty: no project, no phase, no amount.
bool IsBlankLine(const ProjectLine& line);

class ProjectEntry {
public:
    explicit ProjectEntry(Money toDistribute) : total_(toDistribute) {}

    const std::vector<ProjectLine>& lines() const { return lines_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const ProjectLine& line(int index) const { return lines_.at(static_cast<std::size_t>(index)); }

    // The document's amount less what the lines already take; it need not reach 0.
    Money leftToDistribute() const;

    void appendLine() { lines_.emplace_back(); }
    void removeLine(int index);
    void setProject(int index, std::string project) { at(index).project = std::move(project); }
    void setPhase(int index, std::string phase) { at(index).phase = std::move(phase); }
    void setAmount(int index, Money amount) { at(index).amount = amount; }

    // OK: the lines left blank (no project, no phase, no amount) are dropped, and the others
    // must pass CheckProjectLines. The refusal names the line as it stands in lines().
    std::variant<std::vector<ProjectLine>, ProjectRefusal> accept(store::Database& company) const;

private:
    ProjectLine& at(int index) { return lines_.at(static_cast<std::size_t>(index)); }

    Money total_;
    std::vector<ProjectLine> lines_;
};

// The code of the job-costing phase numbered `phaseNumber`; nothing for 0 or an unknown number.
std::optional<std::string> PhaseCode(store::Database& company, int phaseNumber);

}  // namespace orvant::sidedialogs
