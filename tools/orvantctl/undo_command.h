#pragma once
// orvantctl undo: the supplier items an undo is chosen from, and the undo of one item with its
// whole cascade, printed before it is carried out.

#include <ostream>
#include <string>
#include <vector>

namespace orvant::ctl {

// Whether the call's command is "undo" (its first word that is neither an option nor an
// option's value).
bool IsUndoCommand(const std::vector<std::string>& arguments);

// Runs it: 0 when the list was printed or the item undone, 1 when the cascade was only shown
// (no --yes), 2 when the call or the undo was refused, with the reason on `err`.
int RunUndoCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

extern const char* const kUndoUsage;

}  // namespace orvant::ctl
