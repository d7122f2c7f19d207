#include "receipt_grids.h"

#include "dates/date_format.h"
#include "money/currency_format.h"

namespace orvant::receipts {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

QString shownAmount(Money amount) { return amount.isZero() ? QString() : qt(FormatMoney(amount)); }
QString typedAmount(Money amount) { return amount.isZero() ? QString() : qt(FormatAmount(amount)); }
QString shownDate(const orvant::Date& date) { return date.isValid() ? qt(FormatDate(date, ShortDateFormat())) : QString(); }

}  // namespace

ReceiptGridModel::ReceiptGridModel(QStringList titles, Edited edited, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)), edited_(std::move(edited))
{
}

void ReceiptGridModel::sync()
{
    const int now = screen_ ? rows() : 0;
    if (now > shownRows_) {
        beginInsertRows({}, shownRows_, now - 1);
        shownRows_ = now;
        endInsertRows();
    } else if (now < shownRows_) {
        beginRemoveRows({}, now, shownRows_ - 1);
        shownRows_ = now;
        endRemoveRows();
    }
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1));
}

int ReceiptGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int ReceiptGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(titles_.size()); }

QVariant ReceiptGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !screen_ || index.row() >= rows()) return {};
    if (role == Qt::TextAlignmentRole) return rightAligned(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == Qt::EditRole) return editText(index.row(), index.column());
    if (role == Qt::DisplayRole) return shown(index.row(), index.column());
    return {};
}

bool ReceiptGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !editable(index.column())) return false;
    edited_(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags ReceiptGridModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && editable(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

QVariant ReceiptGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size()) return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ReceiptGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

OpenItemsModel::OpenItemsModel(Edited edited, QObject* parent)
    : ReceiptGridModel({"Invoice", "Date", "Due date", "Amount", "Payment"}, std::move(edited), parent)
{
}

int OpenItemsModel::rows() const { return screen()->itemCount(); }

QString OpenItemsModel::shown(int row, int column) const
{
    const ItemShown item = screen()->itemShown(row);
    switch (column) {
    case Invoice: return qt(item.invoice);
    case Date: return shownDate(item.date);
    case DueDate: return shownDate(item.dueDate);
    case Amount: return qt(FormatMoney(item.amount));
    case Payment: return shownAmount(item.payment);
    default: return {};
    }
}

QString OpenItemsModel::editText(int row, int column) const
{
    return column == Payment ? typedAmount(screen()->itemShown(row).payment) : QString();
}

DistributionModel::DistributionModel(Edited edited, QObject* parent)
    : ReceiptGridModel({"Account", "Account description", "Debit", "Credit"}, std::move(edited), parent)
{
}

int DistributionModel::rows() const { return screen()->lineCount(); }

QString DistributionModel::shown(int row, int column) const
{
    const DistributionRow& line = screen()->line(row);
    switch (column) {
    case Account: return line.account == 0 ? QString() : QString::number(line.account);
    case Description: return qt(line.description);
    case Debit: return shownAmount(line.debit);
    case Credit: return shownAmount(line.credit);
    default: return {};
    }
}

QString DistributionModel::editText(int row, int column) const
{
    const DistributionRow& line = screen()->line(row);
    switch (column) {
    case Debit: return typedAmount(line.debit);
    case Credit: return typedAmount(line.credit);
    default: return shown(row, column);
    }
}

}  // namespace orvant::receipts
