#include "sidedialogs/project_entry.h"

#include <stdexcept>

#include "store/table.h"

namespace orvant::sidedialogs {

bool IsBlankLine(const ProjectLine& line)
{
    return line.project.empty() && line.phase.empty() && line.element.empty() && line.quantity == 0 && line.rate.isZero() &&
           line.amount.isZero();
}

Money ProjectEntry::leftToDistribute() const
{
    Money left = total_;
    for (const ProjectLine& line : lines_) left -= line.amount;
    return left;
}

bool ProjectEntry::setQuantity(int index, double quantity)
{
    ProjectLine& line = at(index);
    const std::optional<Money> amount = ProjectLineAmount(quantity, line.rate);
    if (!amount) return false;
    line.quantity = quantity;
    line.amount = *amount;
    return true;
}

bool ProjectEntry::setRate(int index, Money rate)
{
    ProjectLine& line = at(index);
    const std::optional<Money> amount = ProjectLineAmount(line.quantity, rate);
    if (!amount) return false;
    line.rate = rate;
    line.amount = *amount;
    return true;
}

void ProjectEntry::removeLine(int index)
{
    if (index < 0 || index >= lineCount()) throw std::out_of_range("no such project line");
    lines_.erase(lines_.begin() + index);
}

std::variant<std::vector<ProjectLine>, ProjectLineRefusal> ProjectEntry::accept(store::Database& company) const
{
    std::vector<ProjectLine> kept;
    std::vector<int> shownAt;  // where each kept line stands in lines()
    for (int i = 0; i < lineCount(); ++i) {
        if (IsBlankLine(line(i))) continue;
        kept.push_back(line(i));
        shownAt.push_back(i);
    }
    std::optional<ProjectLineRefusal> refusal;
    if (form_ == ProjectForm::Payables) {
        if (auto refused = CheckPurchaseProjectLines(company, kept)) refusal = ProjectLineRefusal{refused->message, refused->line};
    } else if (auto refused = CheckProjectLines(company, kept)) {
        refusal = ProjectLineRefusal{refused->message, refused->line};
    }
    if (!refusal) return kept;
    refusal->line = shownAt.at(static_cast<std::size_t>(refusal->line));
    return *refusal;
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
