// The cells of a cheque's lines: a holdback line shows its word before the invoice but its
// editor holds the invoice alone, and the dates of a supplier's item are never typed.

#include <gtest/gtest.h>

#include <vector>

#include "cheque_lines_grid.h"

namespace orvant::chequescreen {
namespace {

TEST(ChequeLinesModel, TheInvoiceIsEditedBareAndOnlyAPayeesDatesAreTyped)
{
    struct Row {
        ChequeLineShown line;
        QString shown;
        bool datesTyped;
    };
    const std::vector<Row> rows = {
        {{"DM-T5520", "Holdback", {}, {}, {}, {}, {}, true}, "Holdback DM-T5520", false},
        {{"DM-T5520", "", {}, {}, {}, {}, {}, true}, "DM-T5520", false},
        {{"MARCH", "", {}, {}, {}, {}, {}, false}, "MARCH", true},
    };
    ChequeLinesModel model([&] { return static_cast<int>(rows.size()); }, [&](int row) { return rows.at(static_cast<std::size_t>(row)).line; },
                           [](int, int, const QString&) {}, nullptr);
    model.setTyping(true);
    model.sync();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const Row& r = rows[static_cast<std::size_t>(row)];
        SCOPED_TRACE(r.shown.toStdString());
        const QModelIndex invoice = model.index(row, ChequeLinesModel::Invoice);
        EXPECT_EQ(invoice.data(Qt::DisplayRole).toString(), r.shown);
        EXPECT_EQ(invoice.data(Qt::EditRole).toString(), QString::fromStdString(r.line.invoice));
        for (int column : {ChequeLinesModel::Date, ChequeLinesModel::DueDate})
            EXPECT_EQ(bool(model.flags(model.index(row, column)) & Qt::ItemIsEditable), r.datesTyped) << column;
        EXPECT_TRUE(model.flags(model.index(row, ChequeLinesModel::Amount)) & Qt::ItemIsEditable);
    }
}

}  // namespace
}  // namespace orvant::chequescreen
