#include "sidedialogs/tax_per_rate_model.h"

#include "money/currency_format.h"
#include "sidedialogs/percent_text.h"

namespace orvant::sidedialogs {

TaxPerRateModel::TaxPerRateModel(QObject* parent)
    : QAbstractTableModel(parent),
      titles_{QStringLiteral("Description"), QStringLiteral("Rate %"), QStringLiteral("Tax amount"), QStringLiteral("Net amount")}
{
}

void TaxPerRateModel::setLines(std::vector<TaxPerRateLine> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int TaxPerRateModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int TaxPerRateModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TaxPerRateModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const TaxPerRateLine& line = lines_.at(static_cast<std::size_t>(index.row()));
    if (role == Qt::TextAlignmentRole)
        return index.column() == Description ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && index.column() == NetAmount) return QString::fromStdString(FormatAmount(line.net));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Description: return QString::fromStdString(line.description);
    case Rate: return PercentText(line.rate);
    case TaxAmount: return QString::fromStdString(FormatMoney(line.tax));
    case NetAmount: return QString::fromStdString(FormatMoney(line.net));
    default: return {};
    }
}

bool TaxPerRateModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NetAmount || role != Qt::EditRole) return false;
    const std::optional<Money> net = ReadTypedAmount(value.toString().trimmed().toStdString());
    if (!net) return false;
    lines_.at(static_cast<std::size_t>(index.row())).net = *net;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TaxPerRateModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == NetAmount ? flags | Qt::ItemIsEditable : flags;
}

QVariant TaxPerRateModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size()) return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool TaxPerRateModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

}  // namespace orvant::sidedialogs
