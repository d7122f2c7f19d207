#pragma once
// The lines of the tax-per-rate dialog as a grid: description, rate and tax are shown, the net
// amount is typed.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "sidedialogs/tax_per_rate.h"

namespace orvant::sidedialogs {

class TaxPerRateModel : public QAbstractTableModel {
public:
    enum Column { Description, Rate, TaxAmount, NetAmount, ColumnCount };

    explicit TaxPerRateModel(QObject* parent = nullptr);

    void setLines(std::vector<TaxPerRateLine> lines);
    const std::vector<TaxPerRateLine>& lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Only the net amount takes a value: a text that reads as money. Anything else is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

private:
    std::vector<TaxPerRateLine> lines_;
    QStringList titles_;
};

}  // namespace orvant::sidedialogs
