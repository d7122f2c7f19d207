#include "entryscreens/distribution_box.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "money/currency_format.h"
#include "entryscreens/entry_fields.h"

namespace orvant::entryscreens {

namespace {

constexpr int kAccountWidth = 9;
constexpr int kAmountWidth = 24;  // "-99,999,999,999.9999" with a currency sign

}  // namespace

DistributionBox::DistributionBox(QWidget* parent, int rows, int descriptionWidth, int shownAtOnce) : QWidget(parent)
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    auto* lines = new QWidget(this);
    auto* lineGrid = new QGridLayout(lines);
    lineGrid->setContentsMargins(0, 0, 0, 0);
    // Rows that do not scroll share their grid with the headings, so that the columns line up.
    const bool scrolls = shownAtOnce > 0 && shownAtOnce < rows;
    QGridLayout* headingGrid = scrolls ? grid : lineGrid;
    const int first = scrolls ? 0 : 1;
    const char* headings[][2] = {{"AccountHeader", "Account"}, {"DescriptionHeader", "Description"}, {"DebitHeader", "Debit"}, {"CreditHeader", "Credit"}};
    for (int c = 0; c < 4; ++c) headingGrid->addWidget(BuddyLabel(this, headings[c][0], headings[c][1]), 0, c);
    for (int r = 0; r < rows; ++r) {
        const std::string n = std::to_string(r + 1);
        Row row{NamedEdit(lines, ("Account" + n).c_str(), kAccountWidth), NamedEdit(lines, ("Description" + n).c_str(), descriptionWidth),
                NamedEdit(lines, ("Debit" + n).c_str(), kAmountWidth), NamedEdit(lines, ("Credit" + n).c_str(), kAmountWidth)};
        int c = 0;
        for (QLineEdit* box : {row.account, row.description, row.debit, row.credit}) lineGrid->addWidget(box, first + r, c++);
        for (QLineEdit* amount : {row.debit, row.credit}) amount->setAlignment(Qt::AlignRight);
        rows_.push_back(row);
    }
    lineGrid->setColumnStretch(1, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    if (scrolls) {
        // The headings stand outside the scrolled rows: fixed widths keep their columns in line.
        const int digit = fontMetrics().horizontalAdvance(QLatin1Char('9'));
        const int widths[] = {digit * 10 + 12, 0, digit * 16 + 12, digit * 16 + 12};
        for (int c = 0; c < 4; ++c) {
            if (widths[c] == 0) continue;
            grid->itemAtPosition(0, c)->widget()->setFixedWidth(widths[c]);
            for (const Row& row : rows_) (c == 0 ? row.account : c == 2 ? row.debit : row.credit)->setFixedWidth(widths[c]);
        }
        grid->setColumnMinimumWidth(4, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        scroll_ = new QScrollArea(this);
        scroll_->setObjectName("DistributionScroll");
        scroll_->setWidgetResizable(true);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setWidget(lines);
        scroll_->setMinimumHeight(rows_.front().account->sizeHint().height() * shownAtOnce + lineGrid->spacing() * (shownAtOnce - 1));
        layout->addWidget(scroll_, 1);
        for (const Row& row : rows_)
            for (QLineEdit* box : {row.account, row.description, row.debit, row.credit}) box->installEventFilter(this);
    } else {
        layout->addWidget(lines, 1);
    }

    search_ = new QPushButton("...", this);
    search_->setObjectName("AccountSearchBtn");
    search_->setToolTip("List of accounts");
    search_->setAutoDefault(false);
    search_->setFocusPolicy(Qt::NoFocus);
    QLabel* total = BuddyLabel(this, "TotalLabel", "Total");
    totalDebit_ = NamedEdit(this, "TotalDBEdit");
    totalCredit_ = NamedEdit(this, "TotalCDEdit");
    for (QLineEdit* box : {totalDebit_, totalCredit_}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignRight);
    }
    // Rows shown whole take the button beside their headings and the totals under their
    // columns. Scrolled rows would be pushed off their headings by the button: it goes beside
    // the totals, which keep the columns' widths.
    if (!scrolls) {
        headingGrid->addWidget(search_, 0, 4);
        lineGrid->addWidget(total, rows + 1, 1, Qt::AlignRight);
        lineGrid->addWidget(totalDebit_, rows + 1, 2);
        lineGrid->addWidget(totalCredit_, rows + 1, 3);
        return;
    }
    auto* totals = new QGridLayout;
    totals->addWidget(search_, 0, 0, Qt::AlignLeft);
    totals->addWidget(total, 0, 1, Qt::AlignRight);
    totals->addWidget(totalDebit_, 0, 2);
    totals->addWidget(totalCredit_, 0, 3);
    totalDebit_->setFixedWidth(rows_.front().debit->width());
    totalCredit_->setFixedWidth(rows_.front().credit->width());
    totals->setColumnStretch(1, 1);
    totals->setColumnMinimumWidth(4, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    layout->addLayout(totals);
}

std::vector<QWidget*> DistributionBox::fieldsInOrder() const
{
    std::vector<QWidget*> order;
    for (const Row& row : rows_) order.insert(order.end(), {row.account, row.description, row.debit, row.credit});
    return order;
}

void DistributionBox::show(const Distribution& distribution)
{
    for (int r = 0; r < rowCount() && r < distribution.rowCount(); ++r) {
        const DistributionRow& values = distribution.row(r);
        const Row& boxes = row(r);
        ShowText(*boxes.account, QString::number(values.account));
        ShowText(*boxes.description, QString::fromStdString(values.description));
        ShowText(*boxes.debit, RowAmountText(values.debit));
        ShowText(*boxes.credit, RowAmountText(values.credit));
    }
    ShowText(*totalDebit_, QString::fromStdString(FormatMoney(distribution.totals().debit)));
    ShowText(*totalCredit_, QString::fromStdString(FormatMoney(distribution.totals().credit)));
}

// The row being typed in scrolls into view, by the keyboard as by the mouse.
bool DistributionBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && scroll_)
        if (auto* box = qobject_cast<QWidget*>(watched)) scroll_->ensureWidgetVisible(box, 0, 4);
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvant::entryscreens
