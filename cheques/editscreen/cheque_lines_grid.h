#pragma once
// The lines of a cheque on its "General" page: one row per invoice paid (or, on a cheque to a
// payee who is not a supplier, per amount), with the columns Invoice, Date, Due date, Amount,
// Discount and Payment, the last computed. Down or Enter past the last row, or Insert, adds a
// line; F2 in the invoice column or the invoice button opens the list of invoices (when the
// screen has one); Ctrl+Del or the delete button removes a line. Escape outside a cell's editor
// does nothing. A cell typed reaches the form once its editor has closed.

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>

#include "dates/date.h"
#include "money/money.h"

class QPushButton;

namespace orvant::sidedialogs {
class EntryGrid;
}

namespace orvant::chequescreen {

// A line as its row shows it. The invoice cell's editor holds the invoice alone; the marker
// (the holdback word) is only shown before it.
struct ChequeLineShown {
    std::string invoice, marker;
    Date date, dueDate;
    Money amount, discount, payment;
    bool datesFromItem = false;  // a supplier item's dates are the ledger's, never typed
};

class ChequeLinesModel : public QAbstractTableModel {
public:
    enum Column { Invoice, Date, DueDate, Amount, Discount, Payment, ColumnCount };
    using Edited = std::function<void(int row, int column, const QString& text)>;

    ChequeLinesModel(std::function<int()> count, std::function<ChequeLineShown(int)> line, Edited edited, QObject* parent);

    // Shows the lines again: rows added or removed, every cell repainted.
    void sync();
    void setTyping(bool on) { typing_ = on; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

private:
    QString shown(const ChequeLineShown& line, int column, bool forEditing) const;

    std::function<int()> count_;
    std::function<ChequeLineShown(int)> line_;
    Edited edited_;
    QStringList titles_;
    int shownRows_ = 0;
    bool typing_ = false;
};

// What the user does in the lines, handed to the form (each call after the editor closed).
struct ChequeLineActions {
    std::function<int()> count;
    std::function<ChequeLineShown(int)> line;
    std::function<void(int row, int column, const QString& text)> typed;
    std::function<bool()> addLine;  // true when a line was added below the last
    std::function<void(int row)> pickInvoice;  // empty: the screen has no list of invoices
    std::function<void(int row)> deleteLine;
};

class ChequeLinesGrid : public QWidget {
public:
    ChequeLinesGrid(QWidget* parent, ChequeLineActions actions);

    void sync() { model_->sync(); }
    void setTyping(bool on);
    sidedialogs::EntryGrid* grid() const { return grid_; }
    // Writes the cell being edited into the model (and so to the form, on the next turn).
    void commitPendingEdit();
    // Puts the focus on a cell; row -1 keeps the current row.
    void focusCell(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int currentRow() const;
    int rowForInvoice() const;
    bool addLine();
    void later(std::function<void()> call);

    ChequeLineActions actions_;
    ChequeLinesModel* model_;
    sidedialogs::EntryGrid* grid_;
    QPushButton* invoiceButton_ = nullptr;
    QPushButton* deleteButton_;
};

}  // namespace orvant::chequescreen
