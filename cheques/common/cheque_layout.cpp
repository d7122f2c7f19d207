#include "cheque_layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace orvant::cheques {

namespace {

bool chequePartSound(const ChequeLayout& layout)
{
    if (std::count(layout.partRoles.begin(), layout.partRoles.end(), 0) != 1) return false;
    const auto cheque = std::find(layout.partRoles.begin(), layout.partRoles.end(), 0) - layout.partRoles.begin();
    return layout.partHeights[cheque] > 0;
}

bool pageSound(const ChequeLayout& layout)
{
    double parts = 0;
    for (double height : layout.partHeights) {
        if (!(height >= 0) || !std::isfinite(height)) return false;
        parts += height;
    }
    return layout.pageLength > 0 && layout.pageWidth > 0 && std::isfinite(layout.pageLength) && std::isfinite(layout.pageWidth)
        && parts <= layout.pageLength;
}

std::optional<LayoutFault> itemFault(const ChequeLayout& layout, const LayoutItem& item)
{
    const std::optional<int> code = FieldCode(item.field);
    if (code && (*code < kFirstFieldCode || *code > kLastFieldCode)) return LayoutFault::UnknownField;
    if (item.part < 1 || item.part > 3 || layout.partHeights[item.part - 1] <= 0) return LayoutFault::ItemPart;
    // Only the cheque places an item by its line; a stub prints it on every line.
    const bool onCheque = layout.partRoles[item.part - 1] == 0;
    // Written so that a value that is not a number (NaN) lies off the page.
    const bool lineOff = !std::isfinite(item.line) || (onCheque && !(item.line >= 0 && item.line < layout.partHeights[item.part - 1]));
    if (!(item.position >= 0 && item.position < layout.pageWidth) || lineOff) return LayoutFault::ItemOffPage;
    if (item.size <= 0 || item.width < 0) return LayoutFault::ItemFont;
    return std::nullopt;
}

}  // namespace

std::optional<int> FieldCode(const std::string& field)
{
    const std::string head = field.substr(0, 2);
    const auto digits = std::count_if(head.begin(), head.end(), [](unsigned char c) { return std::isdigit(c); });
    // "7 Payee" and "07" name code 7; "7a" or " 7" are labels.
    const bool number = digits == 2 || (digits == 1 && std::isdigit(static_cast<unsigned char>(head[0]))
                                            && (head.size() == 1 || head[1] == ' '));
    if (!number) return std::nullopt;
    return std::stoi(head);
}

std::vector<LayoutProblem> CheckLayout(const ChequeLayout& layout)
{
    std::vector<LayoutProblem> problems;
    if (!pageSound(layout)) problems.push_back({LayoutFault::PageSize});
    if (!chequePartSound(layout)) problems.push_back({LayoutFault::ChequePart});
    const bool headingSound = layout.headingLines == 0
        || (layout.headingLines > 0 && layout.chequeHeadingLine >= 1 && layout.chequeHeadingLine <= layout.headingLines);
    if (!headingSound) problems.push_back({LayoutFault::HeadingLine});
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        if (auto fault = itemFault(layout, layout.items[i])) problems.push_back({*fault, static_cast<int>(i)});
    }
    return problems;
}

}  // namespace orvant::cheques
