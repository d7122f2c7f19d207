#include "invoice_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "ui/error_reporting.h"

namespace orvant::chequescreen {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

QStandardItem* cell(const QString& text, bool right = false)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

Tinvoicelist_dlg::Tinvoicelist_dlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("Tinvoicelist_dlg");
    setWindowTitle("List of invoices");
    model_ = new QStandardItemModel(0, 4, this);
    model_->setHorizontalHeaderLabels({"Invoice", "Date", "Due date", "Amount"});
    grid_ = new QTableView(this);
    grid_->setObjectName("InvoiceGrid");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->installEventFilter(this);
    connect(grid_, &QAbstractItemView::doubleClicked, this, ui::Guarded([this](const QModelIndex& index) { choose(index.row()); }));
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("CloseBtn");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(480, 320);
}

std::optional<std::size_t> Tinvoicelist_dlg::run(const std::vector<OpenItem>& items, const QString& holdbackWord)
{
    model_->removeRows(0, model_->rowCount());
    for (const OpenItem& item : items)
        model_->appendRow({cell(item.holdback ? holdbackWord + ' ' + qt(item.invoice) : qt(item.invoice)), cell(item.date.isValid() ? qt(FormatDate(item.date, ShortDateFormat())) : QString()),
                           cell(item.dueDate.isValid() ? qt(FormatDate(item.dueDate, ShortDateFormat())) : QString()),
                           cell(qt(FormatMoney(item.amount)), true)});
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
    grid_->setFocus();
    chosen_.reset();
    exec();
    return chosen_;
}

void Tinvoicelist_dlg::choose(int row)
{
    if (row < 0 || row >= model_->rowCount()) return;
    chosen_ = static_cast<std::size_t>(row);
    accept();
}

bool Tinvoicelist_dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (grid_->currentIndex().isValid()) choose(grid_->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvant::chequescreen
