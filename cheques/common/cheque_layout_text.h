#pragma once
// The cheque form as text a person reads and edits, one statement per line, so that a form can be
// moved between companies or adjusted in an editor:
//
//   page length=11 width=8.5
//   part 1 height=3.5 cheque
//   part 2 height=3.75 stub
//   stub-headings lines=2 cheque-line=1
//   item part=1 line=0.3 position=6.3 size=10 width=115 style=bold font="Sans Serif" field="15 Cheque number"
//
// Lengths and positions are in inches; "#" starts a comment.

#include <stdexcept>
#include <string>
#include <string_view>

#include "cheque_layout.h"

namespace orvant::cheques {

std::string LayoutToText(const ChequeLayout& layout);

// A text that cannot be read, with the line (from 1) at fault.
class LayoutTextError : public std::invalid_argument {
public:
    LayoutTextError(int line, const std::string& why);
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    int line_;
    std::string reason_;
};

// Reads the text back; a layout read is not yet checked (CheckLayout).
ChequeLayout LayoutFromText(std::string_view text);

// What is wrong, in a sentence naming the item at fault.
std::string DescribeLayoutProblem(const ChequeLayout& layout, const LayoutProblem& problem);

}  // namespace orvant::cheques
