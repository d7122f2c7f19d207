#pragma once
// The two grids of a payment screen and their keys, as the cash receipts and cash disbursements
// forms lay them out: the open items above, where only the payment is typed and a double click
// pays an item in full; the distribution below, with its account search (F2 in the account
// column) and line deletion (Ctrl+Del), a new line past the last one, and its two totals. Up on
// a grid's first row goes back to the field before it.
//
// A cell typed reaches the form once its editor has closed, so that a message the logic shows
// then does not meet an editor still open.

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "sidedialogs/payment_grid_source.h"
#include "ui/screen_actions.h"

class QLineEdit;
class QPushButton;

namespace orvant::sidedialogs {

class EntryGrid;

class PaymentGridModel : public QAbstractTableModel {
public:
    // A cell typed: its row, its column and the text.
    using Edited = std::function<void(int row, int column, const QString& text)>;

    PaymentGridModel(QStringList titles, Edited edited, QObject* parent);

    void setSource(const PaymentGridSource* source) { source_ = source; }
    // Shows the logic's state again: rows added or removed, every cell repainted.
    void sync();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

protected:
    const PaymentGridSource* source() const { return source_; }
    virtual int rows() const = 0;
    virtual QString shown(int row, int column) const = 0;
    // The text an editor opens with; empty for a column that cannot be typed in.
    virtual QString editText(int row, int column) const = 0;
    virtual bool editable(int column) const = 0;
    virtual bool rightAligned(int column) const = 0;

private:
    const PaymentGridSource* source_ = nullptr;
    QStringList titles_;
    Edited edited_;
    int shownRows_ = 0;
};

class OpenItemsModel : public PaymentGridModel {
public:
    enum Column { Invoice, Date, DueDate, Amount, Payment, ColumnCount };
    OpenItemsModel(Edited edited, QObject* parent);

protected:
    int rows() const override;
    QString shown(int row, int column) const override;
    QString editText(int row, int column) const override;
    bool editable(int column) const override { return column == Payment; }
    bool rightAligned(int column) const override { return column == Amount || column == Payment; }
};

class DistributionModel : public PaymentGridModel {
public:
    enum Column { Account, Description, Debit, Credit, ColumnCount };
    DistributionModel(Edited edited, QObject* parent);

protected:
    int rows() const override;
    QString shown(int row, int column) const override;
    QString editText(int row, int column) const override;
    bool editable(int) const override { return true; }
    bool rightAligned(int column) const override { return column == Debit || column == Credit; }
};

// What the user does in the grids, handed to the form (each call after the editor closed).
struct PaymentGridActions {
    std::function<void(int item, const QString& text)> paymentTyped;
    std::function<void(int item)> payInFull;
    // towardsTag13: the cell was left for a button that skips the field checks (Cancel, Exit).
    std::function<void(int row, int column, const QString& text, bool towardsTag13)> lineTyped;
    std::function<bool()> addLine;  // true when a line was added below the last
    std::function<void(int row)> pickAccount;
    std::function<void(int row)> deleteLine;
};

// The object names of the controls whose names differ between the forms.
struct PaymentGridNames {
    const char* totalDebit;
    const char* totalCredit;
};

class PaymentGrids : public QWidget {
public:
    PaymentGrids(QWidget* parent, PaymentGridNames names, int accountWidth, int descriptionWidth, PaymentGridActions actions);

    void setSource(const PaymentGridSource* source);
    // Shows the source's state again: both grids and the totals.
    void sync();
    // The open items take input only while a party's items are applied; the distribution and
    // its buttons while a document is entered.
    void setItemsEnabled(bool on);
    void setLinesEnabled(bool on);

    EntryGrid* items() const { return itemGrid_; }
    EntryGrid* lines() const { return lineGrid_; }
    // Writes the cells being edited into the models (and so to the form, on the next turn).
    void commitPendingEdits();
    // Puts the focus on a grid's cell; row -1 keeps the grid's current cell.
    static void focusCell(EntryGrid& grid, int row, int column);
    // The row the account search and line deletion act on.
    int currentLine() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildItems(QWidget* box);
    void buildLines(QWidget* box, int accountWidth, int descriptionWidth);
    void later(std::function<void()> call);

    PaymentGridActions actions_;
    const PaymentGridSource* source_ = nullptr;
    OpenItemsModel* itemModel_ = nullptr;
    DistributionModel* lineModel_ = nullptr;
    EntryGrid *itemGrid_ = nullptr, *lineGrid_ = nullptr;
    QPushButton *accountSearch_ = nullptr, *deleteLine_ = nullptr;
    QLineEdit *totalDebit_ = nullptr, *totalCredit_ = nullptr;
};

using ui::kLeavingSkipsChecks;
using ui::SkipsFieldChecks;

}  // namespace orvant::sidedialogs
