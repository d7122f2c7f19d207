#include "desktop_grid_model.h"

#include "books/account_type.h"

namespace orvant::launcher {

PanelGridModel::PanelGridModel(const PanelDef& panel, int language, QObject* parent)
    : QAbstractTableModel(parent), panel_(panel), language_(language)
{
}

PanelGridModel::~PanelGridModel() = default;

bool PanelGridModel::open(store::Database& company)
{
    close();
    if (!panel_.hasGrid() || !company.tableExists(panel_.table)) return false;
    auto table = std::make_unique<store::Table>(company, panel_.table);
    table->open();
    beginResetModel();
    table_ = std::move(table);
    table_->first();
    endResetModel();
    fetchMore({});  // a view made after the reset would not ask for it
    return true;
}

void PanelGridModel::close()
{
    beginResetModel();
    table_.reset();
    rows_.clear();
    endResetModel();
}

void PanelGridModel::reload()
{
    if (!table_) return;
    beginResetModel();
    rows_.clear();
    table_->refresh();
    table_->first();
    endResetModel();
    fetchMore({});
}

int PanelGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }

int PanelGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(panel_.columns.size());
}

QVariant PanelGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size()) return {};
    return rows_[index.row()].value(index.column());
}

QVariant PanelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
    const GridColumn& column = panel_.columns[static_cast<std::size_t>(section)];
    return QString::fromUtf8(language_ == 2 ? column.french : column.english);
}

bool PanelGridModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && table_ && !table_->eof();
}

// The cursor keeps its place between pages; a page never reads the whole table.
void PanelGridModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent)) return;
    QList<QStringList> page;
    for (int i = 0; i < kPageRows && !table_->eof(); ++i, table_->next()) {
        QStringList row;
        for (int column = 0; column < columnCount(); ++column) row.append(cell(column));
        page.append(row);
    }
    if (page.isEmpty()) return;
    beginInsertRows({}, static_cast<int>(rows_.size()), static_cast<int>(rows_.size() + page.size()) - 1);
    rows_.append(page);
    endInsertRows();
}

QString PanelGridModel::cell(int column) const
{
    const char* field = panel_.columns[static_cast<std::size_t>(column)].field;
    const std::string value = table_->field(field).asString();
    if (panel_.kind == PanelKind::Accounts && std::string_view(field) == "Glm_type")
        return QString::fromStdString(DisplayedAccountType(value, language_));
    return QString::fromStdString(value);
}

}  // namespace orvant::launcher
