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
// The totals of a form's lines, printed on its first stub below the lines.
inline constexpr int kFirstTotalCode = 19;

// A stub prints its lines this far apart, in inches.
inline constexpr double kStubLineHeight = 0.25;

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

// The field code (1 to 21) named by an item's first two characters: "07", "7" or "7 Country";
// nothing for a label.
std::optional<int> FieldCode(const std::string& field);

// An item that is nothing but a number outside 1 to 21 ("00", "30"): a field code mistyped,
// refused rather than printed. A number followed by words ("30 days net") is a label.
bool IsMistypedFieldCode(const std::string& field);

// The lines a stub of this height holds; at least one.
int StubRows(double height);

// The part (0 to 2) of the first stub from the top, which carries the totals.
int FirstStubPart(const ChequeLayout& layout);

enum class LayoutFault {
    PageSize,          // page without length or width, or parts taller than the page
    ChequePart,        // not exactly one part is the cheque, or the cheque part has no height
    HeadingLine,       // the cheque's heading line is not one of the heading lines
    UnknownField,      // an item is nothing but a number outside 1 to 21
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
