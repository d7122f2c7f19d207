#include "picker/lookup_model.h"

#include "store/table.h"

namespace orvant::picker {

namespace {

// More rows than a picker's list shows at once; the list asks for the next batch when it is
// scrolled to its end.
constexpr std::size_t kBatchRows = 50;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

LookupModel::LookupModel(store::Table& table, std::string codeField, std::string nameField)
    : table_(table), codeField_(std::move(codeField)), nameField_(std::move(nameField)),
      titles_(nameField_.empty() ? QStringList{QStringLiteral("Code")} : QStringList{QStringLiteral("Code"), QStringLiteral("Name")})
{
}

void LookupModel::setFilter(const QString& text)
{
    beginResetModel();
    filter_ = text;
    rows_.clear();
    endResetModel();
    try {
        table_.first();
    } catch (...) {
        return fail(std::current_exception());
    }
    fetchMore({});
}

QString LookupModel::codeAt(int row) const { return rows_.at(static_cast<std::size_t>(row)).code; }

int LookupModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LookupModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant LookupModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const Row& row = rows_.at(static_cast<std::size_t>(index.row()));
    return index.column() == 0 ? row.code : row.name;
}

QVariant LookupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size())
        return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool LookupModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool LookupModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !failure_ && table_.isOpen() && !table_.eof();
}

void LookupModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent)) return;
    std::vector<Row> batch;
    try {
        batch = readBatch();
    } catch (...) {
        return fail(std::current_exception());
    }
    if (batch.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(batch.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
    endInsertRows();
}

LookupModel::Row LookupModel::currentRecord()
{
    return {text(table_.field(codeField_).asString()), nameField_.empty() ? QString() : text(table_.field(nameField_).asString())};
}

bool LookupModel::matches(const Row& row) const
{
    return row.code.contains(filter_, Qt::CaseInsensitive) || row.name.contains(filter_, Qt::CaseInsensitive);
}

// The next matching rows from where the cursor stands: a full batch, or what is left.
std::vector<LookupModel::Row> LookupModel::readBatch()
{
    std::vector<Row> batch;
    for (; !table_.eof() && batch.size() < kBatchRows; table_.next()) {
        Row row = currentRecord();
        if (matches(row)) batch.push_back(std::move(row));
    }
    return batch;
}

void LookupModel::fail(std::exception_ptr error)
{
    failure_ = error;
    if (onFailure_) onFailure_();
}

}  // namespace orvant::picker
