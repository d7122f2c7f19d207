#pragma once
// The dialog every picker shows: a search box above the list of a lookup's rows.
//
// Typing filters the rows by code or name, and the list then stands on its first row. The
// keyboard stays in the search box: Up, Down and the page keys move in the list, Enter chooses
// the current row, Escape cancels. A double-click chooses the row clicked.
//
// Its controls are named for the language table: lblFind (the search box's label), edtFind
// and grdList (a grid: its column titles); the form's own name is the picker's code.

#include <QDialog>

class QLineEdit;
class QTableView;

namespace orvant::picker {

class LookupModel;

class PickerDialog : public QDialog {
public:
    // The model is filtered already and outlives the dialog. A model whose read fails closes the
    // dialog as cancelled; the caller finds the error in the model.
    PickerDialog(const QString& formName, LookupModel& model, QWidget* parent = nullptr);
    ~PickerDialog() override;

    // The code of the row chosen; empty unless the dialog was accepted.
    const QString& chosenCode() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void filter(const QString& text);
    void choose(const QModelIndex& row);
    void standOnFirstRow();

    LookupModel& model_;
    QLineEdit* find_;
    QTableView* list_;
    QString chosen_;
};

}  // namespace orvant::picker
