#pragma once
// The rows of a picker: the code and name of each record of one table that matches the user's
// filter, in key order.
//
// The rows are read forward through the table's cursor a batch at a time, as the list asks for
// more (Qt's canFetchMore and fetchMore): a picker opened on a hundred thousand clients reads
// the first screenfuls only, and the cursor itself reads in pages, so a filter that matches
// little walks the table without ever holding it. The filter is matched here rather than in SQL
// so that it ignores the case of accented letters too, the same way on both engines (SQLite's
// LIKE folds ASCII letters only).

#include <QAbstractTableModel>
#include <QStringList>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace orvant::store {
class Table;
}

namespace orvant::picker {

class LookupModel : public QAbstractTableModel {
public:
    // `table` is open and outlives the model. An empty `nameField` gives a list of codes alone.
    LookupModel(store::Table& table, std::string codeField, std::string nameField);

    // Lists again, from the first record, those whose code or name contains `text` whatever the
    // case of its letters; accents count as typed.
    void setFilter(const QString& text);
    QString codeAt(int row) const;

    // Qt calls the model from its event loop, where nothing may be thrown: a read that fails is
    // kept here, the list stops growing, and `onFailure` is told so that the list can close.
    std::exception_ptr failure() const { return failure_; }
    void setFailureHandler(std::function<void()> onFailure) { onFailure_ = std::move(onFailure); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The column titles, which the language table sets.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row {
        QString code, name;
    };

    Row currentRecord();
    bool matches(const Row& row) const;
    std::vector<Row> readBatch();
    void fail(std::exception_ptr error);

    store::Table& table_;
    std::string codeField_, nameField_;
    QString filter_;
    std::vector<Row> rows_;
    QStringList titles_;
    std::exception_ptr failure_;
    std::function<void()> onFailure_;
};

}  // namespace orvant::picker
