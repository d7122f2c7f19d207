#include "sidedialogs/project_model.h"

#include <algorithm>

#include "money/currency_format.h"

namespace orvant::sidedialogs {

ProjectModel::ProjectModel(QObject* parent) : QAbstractTableModel(parent) { layOut(ProjectForm::Receivables); }

// The titles are the design's until the language table gives its own for the form's columns.
void ProjectModel::layOut(ProjectForm form)
{
    if (form == ProjectForm::Payables) {
        layout_ = {Column::Project, Column::Phase, Column::Element, Column::Quantity, Column::Rate, Column::Amount};
        if (titles_.size() != 6) titles_ = {"Project", "Phase", "Element", "Quantity", "Rate", "Amount"};
    } else {
        layout_ = {Column::Project, Column::Phase, Column::Amount};
        if (titles_.size() != 3) titles_ = {"Project", "Phase", "Amount"};
    }
}

void ProjectModel::start(Money toDistribute, ProjectForm form)
{
    beginResetModel();
    layOut(form);
    entry_ = ProjectEntry(toDistribute, form);
    entry_.appendLine();
    endResetModel();
}

int ProjectModel::columnOf(Column kind) const
{
    return static_cast<int>(std::find(layout_.begin(), layout_.end(), kind) - layout_.begin());
}

bool ProjectModel::appendLine()
{
    if (entry_.lineCount() > 0 && IsBlankLine(entry_.line(entry_.lineCount() - 1))) return false;
    beginInsertRows({}, entry_.lineCount(), entry_.lineCount());
    entry_.appendLine();
    endInsertRows();
    return true;
}

void ProjectModel::removeLine(int row)
{
    if (row < 0 || row >= entry_.lineCount()) return;
    beginRemoveRows({}, row, row);
    entry_.removeLine(row);
    endRemoveRows();
}

int ProjectModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : entry_.lineCount(); }

int ProjectModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(layout_.size()); }

QVariant ProjectModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const ProjectLine& line = entry_.line(index.row());
    const Column kind = columnKind(index.column());
    const bool number = kind == Column::Amount || kind == Column::Quantity || kind == Column::Rate;
    if (role == Qt::TextAlignmentRole) return number ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (kind) {
    case Column::Project: return QString::fromStdString(line.project);
    case Column::Phase: return QString::fromStdString(line.phase);
    case Column::Element: return QString::fromStdString(line.element);
    case Column::Quantity: return QString::fromStdString(FormatAmount(Money::fromDouble(line.quantity)));
    case Column::Rate: return QString::fromStdString(FormatAmount(line.rate));
    case Column::Amount:
        return QString::fromStdString(role == Qt::EditRole ? FormatAmount(line.amount) : FormatMoney(line.amount));
    }
    return {};
}

bool ProjectModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString().trimmed();
    const int row = index.row();
    switch (columnKind(index.column())) {
    case Column::Project:
    case Column::Phase:
    case Column::Element:
        if (text.size() > kProjectCodeWidth) return false;
        if (columnKind(index.column()) == Column::Project) entry_.setProject(row, text.toStdString());
        else if (columnKind(index.column()) == Column::Phase) entry_.setPhase(row, text.toStdString());
        else entry_.setElement(row, text.toStdString());
        break;
    case Column::Quantity: {
        // Quantities are read as amounts are, to four decimals, in the session's language.
        const std::optional<Money> quantity = ReadTypedAmount(text.toStdString());
        if (!quantity || !entry_.setQuantity(row, quantity->toDouble())) return false;
        emit dataChanged(index, this->index(row, columnOf(Column::Amount)));
        return true;
    }
    case Column::Rate: {
        const std::optional<Money> rate = ReadTypedAmount(text.toStdString());
        if (!rate || !entry_.setRate(row, *rate)) return false;
        emit dataChanged(index, this->index(row, columnOf(Column::Amount)));
        return true;
    }
    case Column::Amount: {
        const std::optional<Money> amount = ReadTypedAmount(text.toStdString());
        if (!amount) return false;
        entry_.setAmount(row, *amount);
        break;
    }
    }
    emit dataChanged(index, index);
    return true;
}

// A purchase's amount is its quantity times its rate.
Qt::ItemFlags ProjectModel::flags(const QModelIndex& index) const
{
    const bool computed = entry_.form() == ProjectForm::Payables && index.isValid() && columnKind(index.column()) == Column::Amount;
    return computed ? QAbstractTableModel::flags(index) : QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant ProjectModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size()) return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ProjectModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

}  // namespace orvant::sidedialogs
