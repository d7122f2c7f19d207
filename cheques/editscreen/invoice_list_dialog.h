#pragma once
// "List of invoices": the open invoices of the cheque's supplier, one row each with its date,
// due date and open amount. A double click or Enter on a row chooses it; Close chooses nothing.

#include <QDialog>
#include <optional>
#include <vector>

#include "books/open_items.h"

class QStandardItemModel;
class QTableView;

namespace orvant::chequescreen {

class Tinvoicelist_dlg : public QDialog {
public:
    explicit Tinvoicelist_dlg(QWidget* parent);

    // The item chosen, or nothing; a holdback is shown after the word that names it.
    std::optional<std::size_t> run(const std::vector<OpenItem>& items, const QString& holdbackWord);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int row);

    QStandardItemModel* model_;
    QTableView* grid_;
    std::optional<std::size_t> chosen_;
};

}  // namespace orvant::chequescreen
