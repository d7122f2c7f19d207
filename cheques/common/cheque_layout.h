#pragma once
// The layout of the pre-printed cheque form: a page of three parts from the top, one of them the
// cheque and two stubs, and the items printed on them. Lengths and positions are in inches.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orvant::cheques {

// The first and last field codes; any other item text prints as a literal label.
inline constexpr int kFirstFieldCode = 1;
inline constexpr int kLastFieldCode = 21;

struct LayoutItem {
    std::string field;  // a field code in its first two characters, or a literal label
    int part = 1;       // 1, 2 or 3 from the top
    double line = 0;    // from the top of its part; a stub prints the item on every line
    double position = 0;  // from the left edge
    int style = 0;      // 1 bold, 2 underlined, otherwise normal
    int size = 10;      // points
    int width = 0;      // 1/96 inch; 0 = as wide as the text
    std::string font;
};

struct ChequeLayout {
    double pageLength = 0;
    double pageWidth = 0;
    std::array<double, 3> partHeights{};
    std::array<int, 3> partRoles{};  // 0 marks the cheque itself; the two others are the stubs
    int headingLines = 0;            // printed at the top of each stub before the invoice lines
    int chequeHeadingLine = 0;       // the heading line (from 1) naming the cheque and its payee
    std::vector<LayoutItem> items;
};

// The code named by an item's first two characters, when they hold a number; a number outside
// 1 to 21 is returned as it is, for the check to refuse.
std::optional<int> FieldCode(const std::string& field);

enum class LayoutFault {
    PageSize,          // page without length or width, or parts taller than the page
    ChequePart,        // not exactly one part is the cheque, or the cheque part has no height
    HeadingLine,       // the cheque's heading line is not one of the heading lines
    UnknownField,      // an item names a field code outside 1 to 21
    ItemPart,          // an item lies in no part, or in a part of no height
    ItemOffPage,       // an item starts outside the page or below its part
    ItemFont,          // an item has no font size, or a negative width
};

struct LayoutProblem {
    LayoutFault fault;
    int item = -1;  // index of the item at fault, -1 for the page
};

// Every reason the layout cannot print a cheque; empty when it can.
std::vector<LayoutProblem> CheckLayout(const ChequeLayout& layout);

}  // namespace orvant::cheques
