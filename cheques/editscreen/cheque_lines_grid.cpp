#include "cheque_lines_grid.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dates/date_format.h"
#include "entryscreens/entry_fields.h"
#include "money/currency_format.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/grid_editors.h"
#include "ui/error_reporting.h"

namespace orvant::chequescreen {

namespace {

constexpr int kInvoiceWidth = 10;
constexpr int kDateWidth = 10;

QString qt(const std::string& s) { return QString::fromStdString(s); }
QString shownDate(const orvant::Date& date) { return date.isValid() ? qt(FormatDate(date, ShortDateFormat())) : QString(); }

bool amountColumn(int column)
{
    return column == ChequeLinesModel::Amount || column == ChequeLinesModel::Discount || column == ChequeLinesModel::Payment;
}

QPushButton* gridButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

ChequeLinesModel::ChequeLinesModel(std::function<int()> count, std::function<ChequeLineShown(int)> line, Edited edited, QObject* parent)
    : QAbstractTableModel(parent), count_(std::move(count)), line_(std::move(line)), edited_(std::move(edited)),
      titles_{"Invoice", "Date", "Due date", "Amount", "Discount", "Payment"}
{
}

void ChequeLinesModel::sync()
{
    const int now = count_();
    if (now > shownRows_) {
        beginInsertRows({}, shownRows_, now - 1);
        shownRows_ = now;
        endInsertRows();
    } else if (now < shownRows_) {
        beginRemoveRows({}, now, shownRows_ - 1);
        shownRows_ = now;
        endRemoveRows();
    }
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, ColumnCount - 1));
}

int ChequeLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int ChequeLinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ChequeLinesModel::shown(const ChequeLineShown& line, int column, bool forEditing) const
{
    switch (column) {
    case Invoice: return forEditing || line.marker.empty() ? qt(line.invoice) : qt(line.marker + ' ' + line.invoice);
    case Date: return shownDate(line.date);
    case DueDate: return shownDate(line.dueDate);
    case Amount: return forEditing ? entryscreens::RowAmountText(line.amount) : qt(FormatMoney(line.amount));
    case Discount: return forEditing ? entryscreens::RowAmountText(line.discount) : qt(FormatMoney(line.discount));
    case Payment: return qt(FormatMoney(line.payment));
    default: return {};
    }
}

QVariant ChequeLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count_()) return {};
    if (role == Qt::TextAlignmentRole) return amountColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return shown(line_(index.row()), index.column(), role == Qt::EditRole);
}

bool ChequeLinesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    edited_(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags ChequeLinesModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid() || !typing_ || index.column() == Payment || index.row() >= count_()) return flags;
    const bool date = index.column() == Date || index.column() == DueDate;
    return date && line_(index.row()).datesFromItem ? flags : flags | Qt::ItemIsEditable;
}

QVariant ChequeLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size()) return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ChequeLinesModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

ChequeLinesGrid::ChequeLinesGrid(QWidget* parent, ChequeLineActions actions) : QWidget(parent), actions_(std::move(actions))
{
    setObjectName("ChequeLines");
    model_ = new ChequeLinesModel(
        actions_.count, actions_.line,
        [this](int row, int column, const QString& text) { later([this, row, column, text] { actions_.typed(row, column, text); }); }, this);
    grid_ = new sidedialogs::EntryGrid(this);
    grid_->setObjectName("LinesGrid");
    grid_->setModel(model_);
    grid_->setItemDelegateForColumn(ChequeLinesModel::Invoice, new sidedialogs::CodeDelegate(kInvoiceWidth, grid_));
    for (int column : {ChequeLinesModel::Date, ChequeLinesModel::DueDate})
        grid_->setItemDelegateForColumn(column, new sidedialogs::CodeDelegate(kDateWidth, grid_));
    for (int column : {ChequeLinesModel::Amount, ChequeLinesModel::Discount})
        grid_->setItemDelegateForColumn(column, new sidedialogs::AmountDelegate(grid_));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setPastLastRow([this] { return addLine(); });
    grid_->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = entryscreens::BuddyLabel(this, "LinesLabel", "In&voices paid", grid_);
    layout->addWidget(caption, 0, 0);
    int column = 1;
    if (actions_.pickInvoice) {
        invoiceButton_ = gridButton(this, "InvoiceBtn", "List of &invoices", "List of invoices (F2)");
        connect(invoiceButton_, &QPushButton::clicked, this, ui::Guarded([this] { actions_.pickInvoice(rowForInvoice()); }));
        layout->addWidget(invoiceButton_, 0, column++);
    }
    deleteButton_ = gridButton(this, "DeleteLineBtn", "Delete &line", "Remove line (Ctrl+Del)");
    connect(deleteButton_, &QPushButton::clicked, this, ui::Guarded([this] {
                if (currentRow() >= 0) actions_.deleteLine(currentRow());
            }));
    layout->addWidget(deleteButton_, 0, column++);
    layout->setColumnStretch(0, 1);
    layout->addWidget(grid_, 1, 0, 1, column);
}

void ChequeLinesGrid::setTyping(bool on)
{
    model_->setTyping(on);
    grid_->setEnabled(on);
    deleteButton_->setEnabled(on);
    if (invoiceButton_) invoiceButton_->setEnabled(on);
}

void ChequeLinesGrid::commitPendingEdit() { grid_->commitPendingEdit(); }

void ChequeLinesGrid::focusCell(int row, int column)
{
    QTimer::singleShot(0, grid_, [this, row, column] {
        const int target = row >= 0 ? row : currentRow();
        if (target >= 0 && target < model_->rowCount()) grid_->setCurrentIndex(model_->index(target, column));
        grid_->setFocus(Qt::OtherFocusReason);
    });
}

// The row an invoice chosen from the list goes to: the current one, or a new one.
int ChequeLinesGrid::rowForInvoice() const { return currentRow() >= 0 ? currentRow() : model_->rowCount(); }

int ChequeLinesGrid::currentRow() const { return grid_->currentIndex().isValid() ? grid_->currentIndex().row() : -1; }

// A line added goes back to the first column.
bool ChequeLinesGrid::addLine()
{
    const int before = model_->rowCount();
    if (!actions_.addLine()) return false;
    sync();
    if (model_->rowCount() <= before) return false;
    grid_->setCurrentIndex(model_->index(before, ChequeLinesModel::Invoice));
    return false;  // the new row is current already
}

void ChequeLinesGrid::later(std::function<void()> call) { QTimer::singleShot(0, this, ui::Guarded(std::move(call))); }

bool ChequeLinesGrid::eventFilter(QObject* watched, QEvent* event)
{
    const bool editing = grid_->currentIndex().isValid() && grid_->indexWidget(grid_->currentIndex());
    if (watched != grid_ || event->type() != QEvent::KeyPress || editing)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = currentRow();
    if (key->key() == Qt::Key_Escape) return true;
    if (key->key() == Qt::Key_Insert || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Return) && row < 0)) {
        addLine();
        return true;
    }
    if (key->key() == Qt::Key_F2 && actions_.pickInvoice && grid_->currentIndex().column() <= ChequeLinesModel::Invoice) {
        actions_.pickInvoice(rowForInvoice());
        return true;
    }
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
        if (row >= 0) actions_.deleteLine(row);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvant::chequescreen
