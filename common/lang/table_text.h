#pragma once
// The text form of a language table, as translators write it.
//
// A table is a UTF-8 file in the languages folder named after the table with the extension
// ".lang": "rcvsalesen.lang" holds the English texts of the receivables sales module (module code
// "rcvsales" + language code "en"), "MainMenufr.lang" the French texts of the launcher's forms.
//
// The file is a list of blocks, one per form or control. A block opens with the names in brackets
// and lists its fields below, one per line:
//
//     # Sales entry
//     [frmSales]
//     caption: Sales entry
//
//     [frmSales.btnPost]
//     caption: &Post
//     hint: Post the invoice
//
//     [frmSales.cboTerms]
//     kind: combobox
//     | Net 30 days
//     | Cash on delivery
//
//     [frmSales.IntlStrings1]
//     kind: memo
//     | Customer not found.
//     |
//     | Invoice %1 is already posted.
//
// - "[Form]" is the form's own block, "[Form.Control]" the block of one of its controls. Names
//   are letters, digits and "_", at most 20 characters for a form and 35 for a control, and
//   compare exactly. A form and control pair has one block per table.
// - "caption:" (at most 55 characters) and "hint:" (at most 25) take the rest of their line,
//   without the spaces around it. A field left out is empty, and each field is given once.
// - "kind:" says how the control uses its lines: memo (its text), grid (its column titles),
//   radiogroup (its choices; the caption titles the group), combobox or checklist (its items).
//   Without a kind the control takes the caption and the hint. A form's own block has no kind.
// - Each "|" line is the next of the block's lines: what follows "| " is kept as written, and a
//   bare "|" is an empty line. The message list of a form (IntlStrings1, or Error_Messages in the
//   launcher) is a memo whose line N is message N, counted from 0. DBNavigator1 takes its lines
//   as the hints of its buttons.
// - Lines whose first character other than a space is "#" are comments; blank lines are ignored.
//   Field names and kinds may be written in any case. Widths count characters, not bytes.
//
// A fault stops the reading with a message "file:line: what is wrong".

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "lang/language_table.h"

namespace orvant::lang {

class TableSyntaxError : public std::runtime_error {
public:
    TableSyntaxError(const QString& source, int line, const QString& fault);
    int line() const { return line_; }

private:
    int line_;
};

// Reads a table from its text. `source` names the file in messages. Throws TableSyntaxError.
LanguageTable ParseLanguageTable(const QByteArray& text, const QString& source);

}  // namespace orvant::lang
