#pragma once
// A panel's grid: the rows of its table in key order, read a page at a time as the view scrolls
// down, read-only. The table is open while the panel is, and read again from the start when a
// module that may have changed it returns.

#include <QAbstractTableModel>
#include <memory>

#include "desktop_panels.h"
#include "store/table.h"

namespace orvant::launcher {

class PanelGridModel : public QAbstractTableModel {
public:
    static constexpr int kPageRows = 50;

    PanelGridModel(const PanelDef& panel, int language, QObject* parent = nullptr);
    ~PanelGridModel() override;

    // False, and the model empty, when the company has no such table; else the first page read.
    bool open(store::Database& company);
    void close();
    bool isOpen() const { return table_ != nullptr; }
    // Back to the first page, read again as the table is now.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    QString cell(int column) const;

    const PanelDef& panel_;
    int language_;
    std::unique_ptr<store::Table> table_;
    QList<QStringList> rows_;
};

}  // namespace orvant::launcher
