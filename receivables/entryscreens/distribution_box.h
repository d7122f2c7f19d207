#pragma once
// The distribution of an entry screen: its rows of account, description, debit and credit
// boxes (Account1, Description1, Debit1, Credit1, ...) under their headings, the button of the
// list of accounts, and the two totals. When the screen has more rows than it shows at once,
// the rows scroll and the box keeps the one being typed in visible.

#include <QWidget>
#include <vector>

#include "books/distribution.h"

class QLineEdit;
class QPushButton;
class QScrollArea;

namespace orvant::entryscreens {

class DistributionBox : public QWidget {
public:
    struct Row {
        QLineEdit *account, *description, *debit, *credit;
    };

    // `rows` boxes, of which `shownAtOnce` are seen without scrolling (all when 0).
    DistributionBox(QWidget* parent, int rows, int descriptionWidth, int shownAtOnce = 0);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Row& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    QPushButton* accountSearch() const { return search_; }
    QLineEdit* totalDebit() const { return totalDebit_; }
    QLineEdit* totalCredit() const { return totalCredit_; }
    // The boxes of every row, in the order Enter goes through them.
    std::vector<QWidget*> fieldsInOrder() const;

    // Shows the rows and the totals, the totals with the current currency sign.
    void show(const Distribution& distribution);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Row> rows_;
    QPushButton* search_;
    QLineEdit *totalDebit_, *totalCredit_;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace orvant::entryscreens
