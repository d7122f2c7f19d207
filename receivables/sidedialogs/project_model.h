#pragma once
// The lines of the project dialog as a grid over the dialog's rules (ProjectEntry). Each
// column is a kind of field; the grid lays out the kinds of its form, so the payables form
// adds its columns to the layout and to the line.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "sidedialogs/project_entry.h"

namespace orvant::sidedialogs {

inline constexpr int kProjectCodeWidth = 10;  // JcProject_No, JcPhase_Code

class ProjectModel : public QAbstractTableModel {
public:
    enum class Column { Project, Phase, Element, Quantity, Rate, Amount };

    explicit ProjectModel(QObject* parent = nullptr);

    // A fresh distribution of `toDistribute`, with one empty line to type in. The payables form
    // lays out project, phase, element, quantity, rate and a read-only amount.
    void start(Money toDistribute, ProjectForm form = ProjectForm::Receivables);
    const ProjectEntry& entry() const { return entry_; }

    Column columnKind(int column) const { return layout_.at(static_cast<std::size_t>(column)); }
    int columnOf(Column kind) const;

    // A line below the last, unless the last one is still blank.
    bool appendLine();
    void removeLine(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Codes up to their field's width; amounts and rates as text that reads as money, quantities
    // as numbers in the session's language. Anything else is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role = Qt::EditRole) override;

private:
    void layOut(ProjectForm form);

    std::vector<Column> layout_;
    QStringList titles_;
    ProjectEntry entry_{Money()};
};

}  // namespace orvant::sidedialogs
