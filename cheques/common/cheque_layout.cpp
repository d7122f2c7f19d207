#include "cheque_layout.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace orvant::cheques {

namespace {

constexpr std::size_t kCodeLength = 2;

// The number an item's first two characters hold: "07", or one digit alone or before a space.
std::optional<int> leadingNumber(const std::string& field)
{
    const std::string head = field.substr(0, kCodeLength);
    const auto digits = std::count_if(head.begin(), head.end(), [](unsigned char c) { return std::isdigit(c); });
    // "7 Payee" and "07" hold 7; "7a" or " 7" hold none.
    const bool number = digits == 2 || (digits == 1 && std::isdigit(static_cast<unsigned char>(head[0]))
                                            && (head.size() == 1 || head[1] == ' '));
    if (!number) return std::nullopt;
    return std::stoi(head);
}

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
    if (IsMistypedFieldCode(item.field)) return LayoutFault::UnknownField;
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
    const std::optional<int> number = leadingNumber(field);
    if (!number || *number < kFirstFieldCode || *number > kLastFieldCode) return std::nullopt;
    return number;
}

bool IsMistypedFieldCode(const std::string& field)
{
    if (!leadingNumber(field) || FieldCode(field)) return false;
    return field.find_first_not_of(' ', kCodeLength) == std::string::npos;
}

int StubRows(double height) { return std::max(1, static_cast<int>(std::floor(height / kStubLineHeight + 1e-9))); }

int FirstStubPart(const ChequeLayout& layout) { return layout.partRoles[0] == 0 ? 1 : 0; }

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
