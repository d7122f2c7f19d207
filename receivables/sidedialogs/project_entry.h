#pragma once
// The rules of the project dialog, without its widgets: the lines the user builds (project,
// phase and amount; on a purchase also the cost element, and a quantity and rate that make the
// amount), the amount still to distribute, and the check at OK.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sidedialogs/project_transactions.h"
#include "store/database.h"

namespace orvant::sidedialogs {

// A line the user left empty: no project, no phase, no element, no quantity, no rate, no amount.
bool IsBlankLine(const ProjectLine& line);

// The form of the dialog: a sale's lines of project, phase and amount, or a purchase's, which
// add the element with its quantity and rate and whose amount is their product.
enum class ProjectForm { Receivables, Payables };

// Why OK is refused: the calling screen's message and the line, as it stands in lines().
struct ProjectLineRefusal {
    int message = 0;
    int line = 0;
};

class ProjectEntry {
public:
    explicit ProjectEntry(Money toDistribute, ProjectForm form = ProjectForm::Receivables) : total_(toDistribute), form_(form) {}

    ProjectForm form() const { return form_; }

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
    void setElement(int index, std::string element) { at(index).element = std::move(element); }
    // Each makes the amount quantity x rate at currency precision.
    // False, the line unchanged, when quantity x rate would pass what the books hold.
    bool setQuantity(int index, double quantity);
    bool setRate(int index, Money rate);

    // OK: the lines left blank are dropped, and the others must pass the check of the form
    // (CheckProjectLines, or CheckPurchaseProjectLines with the purchases screen's messages).
    std::variant<std::vector<ProjectLine>, ProjectLineRefusal> accept(store::Database& company) const;

private:
    ProjectLine& at(int index) { return lines_.at(static_cast<std::size_t>(index)); }

    Money total_;
    ProjectForm form_;
    std::vector<ProjectLine> lines_;
};

// The code of the job-costing phase numbered `phaseNumber`; nothing for 0 or an unknown number.
std::optional<std::string> PhaseCode(store::Database& company, int phaseNumber);

}  // namespace orvant::sidedialogs
