#include "sidedialogs/project_entry.h"

#include <stdexcept>

#include "store/table.h"

namespace orvant::sidedialogs {

bool IsBlankLine(const ProjectLine& line) { return line.project.empty() && line.phase.empty() && line.amount.isZero(); }

Money ProjectEntry::leftToDistribute() const
{
    Money left = total_;
    for (const ProjectLine& line : lines_) left -= line.amount;
    return left;
}

void ProjectEntry::removeLine(int index)
{
    if (index < 0 || index >= lineCount()) throw std::out_of_range("no such project line");
    lines_.erase(lines_.begin() + index);
}

std::variant<std::vector<ProjectLine>, ProjectRefusal> ProjectEntry::accept(store::Database& company) const
{
    std::vector<ProjectLine> kept;
    std::vector<int> shownAt;  // where each kept line stands in lines()
    for (int i = 0; i < lineCount(); ++i) {
        if (IsBlankLine(line(i))) continue;
        kept.push_back(line(i));
        shownAt.push_back(i);
    }
    if (std::optional<ProjectRefusal> refusal = CheckProjectLines(company, kept)) {
        refusal->line = shownAt.at(static_cast<std::size_t>(refusal->line));
        return *refusal;
    }
    return kept;
}

std::optional<std::string> PhaseCode(store::Database& company, int phaseNumber)
{
    if (phaseNumber == 0) return std::nullopt;
    store::Table phases(company, "jcPhase");
    phases.open();
    if (!phases.findKey({phaseNumber})) return std::nullopt;
    return phases.field("JcPhase_Code").asString();
}

}  // namespace orvant::sidedialogs
