#pragma once
// The grid of a side dialog, made for the keyboard: typing in a cell edits it, and Enter (after
// an edit or not) moves down to the same column of the next row, as Down does. Past the last
// row the dialog decides: it may add a row, or send the focus on.

#include <QTableView>
#include <functional>

namespace orvant::sidedialogs {

class EntryGrid : public QTableView {
public:
    explicit EntryGrid(QWidget* parent);

    // Called when Enter or Down is pressed on the last row; true when a row was added below.
    void setPastLastRow(std::function<bool()> pastLastRow) { pastLastRow_ = std::move(pastLastRow); }

    // Writes the cell being edited into the model and closes its editor. False, with the editor
    // kept open and focused, when its text cannot be accepted.
    bool commitPendingEdit();

    void moveDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    std::function<bool()> pastLastRow_;
    bool moveAfterEdit_ = false;  // Enter ended an edit
};

}  // namespace orvant::sidedialogs
