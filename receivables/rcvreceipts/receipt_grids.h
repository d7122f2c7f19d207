#pragma once
// The two grids of the cash receipts form as item models over the screen's logic: the client's
// open items, where only the payment is typed, and the distribution, where every column is.
// A model holds no state of its own: it shows what the logic holds, and hands what the user
// typed in a cell to the form, which passes it on to the logic once the cell's editor closed.

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

#include "receipts_screen.h"

namespace orvant::receipts {

class ReceiptGridModel : public QAbstractTableModel {
public:
    // A cell typed: its row, its column and the text.
    using Edited = std::function<void(int row, int column, const QString& text)>;

    ReceiptGridModel(QStringList titles, Edited edited, QObject* parent);

    void setScreen(const ReceiptsScreen* screen) { screen_ = screen; }
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
    const ReceiptsScreen* screen() const { return screen_; }
    virtual int rows() const = 0;
    virtual QString shown(int row, int column) const = 0;
    // The text an editor opens with; empty for a column that cannot be typed in.
    virtual QString editText(int row, int column) const = 0;
    virtual bool editable(int column) const = 0;
    virtual bool rightAligned(int column) const = 0;

private:
    const ReceiptsScreen* screen_ = nullptr;
    QStringList titles_;
    Edited edited_;
    int shownRows_ = 0;
};

class OpenItemsModel : public ReceiptGridModel {
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

class DistributionModel : public ReceiptGridModel {
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

}  // namespace orvant::receipts
