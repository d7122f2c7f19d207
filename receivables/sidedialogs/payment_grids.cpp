#include "sidedialogs/payment_grids.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/grid_editors.h"
#include "ui/error_reporting.h"

namespace orvant::sidedialogs {

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

QString shownAmount(Money amount) { return amount.isZero() ? QString() : qt(FormatMoney(amount)); }
QString typedAmount(Money amount) { return amount.isZero() ? QString() : qt(FormatAmount(amount)); }
QString shownDate(const orvant::Date& date) { return date.isValid() ? qt(FormatDate(date, ShortDateFormat())) : QString(); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* gridButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* b = named(new QPushButton(QString::fromUtf8(caption), parent), name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// Whether the grid has a cell's editor open.
bool editing(const QAbstractItemView& grid) { return grid.currentIndex().isValid() && grid.indexWidget(grid.currentIndex()); }

}  // namespace


PaymentGridModel::PaymentGridModel(QStringList titles, Edited edited, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)), edited_(std::move(edited))
{
}

void PaymentGridModel::sync()
{
    const int now = source_ ? rows() : 0;
    if (now > shownRows_) {
        beginInsertRows({}, shownRows_, now - 1);
        shownRows_ = now;
        endInsertRows();
    } else if (now < shownRows_) {
        beginRemoveRows({}, now, shownRows_ - 1);
        shownRows_ = now;
        endRemoveRows();
    }
    if (shownRows_ > 0) emit dataChanged(index(0, 0), index(shownRows_ - 1, columnCount() - 1));
}

int PaymentGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int PaymentGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(titles_.size()); }

QVariant PaymentGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !source_ || index.row() >= rows()) return {};
    if (role == Qt::TextAlignmentRole) return rightAligned(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role == Qt::EditRole) return editText(index.row(), index.column());
    if (role == Qt::DisplayRole) return shown(index.row(), index.column());
    return {};
}

bool PaymentGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !editable(index.column())) return false;
    edited_(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags PaymentGridModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && editable(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

QVariant PaymentGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size()) return titles_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool PaymentGridModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

OpenItemsModel::OpenItemsModel(Edited edited, QObject* parent)
    : PaymentGridModel({"Invoice", "Date", "Due date", "Amount", "Payment"}, std::move(edited), parent)
{
}

int OpenItemsModel::rows() const { return source()->itemCount(); }

QString OpenItemsModel::shown(int row, int column) const
{
    const OpenItemShown item = source()->itemShown(row);
    switch (column) {
    case Invoice: return qt(item.invoice);
    case Date: return shownDate(item.date);
    case DueDate: return shownDate(item.dueDate);
    case Amount: return qt(FormatMoney(item.amount));
    case Payment: return shownAmount(item.payment);
    default: return {};
    }
}

QString OpenItemsModel::editText(int row, int column) const
{
    return column == Payment ? typedAmount(source()->itemShown(row).payment) : QString();
}

DistributionModel::DistributionModel(Edited edited, QObject* parent)
    : PaymentGridModel({"Account", "Account description", "Debit", "Credit"}, std::move(edited), parent)
{
}

int DistributionModel::rows() const { return source()->lineCount(); }

QString DistributionModel::shown(int row, int column) const
{
    const DistributionRow& line = source()->line(row);
    switch (column) {
    case Account: return line.account == 0 ? QString() : QString::number(line.account);
    case Description: return qt(line.description);
    case Debit: return shownAmount(line.debit);
    case Credit: return shownAmount(line.credit);
    default: return {};
    }
}

QString DistributionModel::editText(int row, int column) const
{
    const DistributionRow& line = source()->line(row);
    switch (column) {
    case Debit: return typedAmount(line.debit);
    case Credit: return typedAmount(line.credit);
    default: return shown(row, column);
    }
}

PaymentGrids::PaymentGrids(QWidget* parent, PaymentGridNames names, int accountWidth, int descriptionWidth, PaymentGridActions actions)
    : QWidget(parent), actions_(std::move(actions))
{
    setObjectName("PaymentGrids");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildItems(this);
    buildLines(this, accountWidth, descriptionWidth);
    totalDebit_ = named(new QLineEdit(this), names.totalDebit);
    totalCredit_ = named(new QLineEdit(this), names.totalCredit);
    for (QLineEdit* total : {totalDebit_, totalCredit_}) {
        total->setReadOnly(true);
        total->setFocusPolicy(Qt::NoFocus);
        total->setAlignment(Qt::AlignRight);
    }
    auto* totalLabel = named(new QLabel("Total", this), "TotalLabel");
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(totalLabel);
    totals->addWidget(totalDebit_);
    totals->addWidget(totalCredit_);

    auto* itemsLabel = named(new QLabel("Open items", this), "OpenItemsLabel");
    itemsLabel->setBuddy(itemGrid_);
    auto* linesLabel = named(new QLabel("Distribution", this), "DistributionLabel");
    linesLabel->setBuddy(lineGrid_);
    layout->addWidget(itemsLabel, 0, 0, 1, 4);
    layout->addWidget(itemGrid_, 1, 0, 1, 4);
    layout->addWidget(linesLabel, 2, 0);
    layout->addWidget(accountSearch_, 2, 1);
    layout->addWidget(deleteLine_, 2, 2);
    layout->addWidget(lineGrid_, 3, 0, 1, 4);
    layout->addLayout(totals, 4, 0, 1, 4);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(3, 2);
    for (auto* grid : {itemGrid_, lineGrid_}) grid->installEventFilter(this);
}

void PaymentGrids::buildItems(QWidget* box)
{
    itemModel_ = new OpenItemsModel([this](int row, int, const QString& text) { later([this, row, text] { actions_.paymentTyped(row, text); }); },
                                    this);
    itemGrid_ = named(new EntryGrid(box), "OpenItemsGrid");
    itemGrid_->setModel(itemModel_);
    // A double click pays the item in full rather than opening its editor.
    itemGrid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    itemGrid_->setItemDelegateForColumn(OpenItemsModel::Payment, new AmountDelegate(itemGrid_));
    itemGrid_->setPastLastRow([this] {
        lineGrid_->setFocus(Qt::TabFocusReason);
        return false;
    });
    connect(itemGrid_, &QAbstractItemView::doubleClicked, this,
            ui::Guarded([this](const QModelIndex& index) { actions_.payInFull(index.row()); }));
}

void PaymentGrids::buildLines(QWidget* box, int accountWidth, int descriptionWidth)
{
    lineModel_ = new DistributionModel(
        [this](int row, int column, const QString& text) {
            // An account cell left for Cancel or Exit skips the account's check.
            const bool towardsTag13 = SkipsFieldChecks(QApplication::focusWidget());
            later([this, row, column, text, towardsTag13] { actions_.lineTyped(row, column, text, towardsTag13); });
        },
        this);
    lineGrid_ = named(new EntryGrid(box), "DistributionGrid");
    lineGrid_->setModel(lineModel_);
    lineGrid_->setItemDelegateForColumn(DistributionModel::Account, new CodeDelegate(accountWidth, lineGrid_));
    lineGrid_->setItemDelegateForColumn(DistributionModel::Description, new CodeDelegate(descriptionWidth, lineGrid_));
    for (int column : {DistributionModel::Debit, DistributionModel::Credit})
        lineGrid_->setItemDelegateForColumn(column, new AmountDelegate(lineGrid_));
    lineGrid_->horizontalHeader()->setSectionResizeMode(DistributionModel::Description, QHeaderView::Stretch);
    lineGrid_->horizontalHeader()->setStretchLastSection(false);
    lineGrid_->setPastLastRow([this] { return actions_.addLine(); });
    accountSearch_ = gridButton(box, "AccountSearchBtn", "...", "List of accounts");
    connect(accountSearch_, &QPushButton::clicked, this, ui::Guarded([this] { actions_.pickAccount(currentLine()); }));
    deleteLine_ = gridButton(box, "DeleteLineBtn", "&Delete line", "Remove line");
    connect(deleteLine_, &QPushButton::clicked, this, ui::Guarded([this] {
                if (lineGrid_->currentIndex().isValid()) actions_.deleteLine(lineGrid_->currentIndex().row());
            }));
}

void PaymentGrids::later(std::function<void()> call) { QTimer::singleShot(0, this, ui::Guarded(std::move(call))); }

void PaymentGrids::setSource(const PaymentGridSource* source)
{
    source_ = source;
    itemModel_->setSource(source);
    lineModel_->setSource(source);
}

void PaymentGrids::sync()
{
    itemModel_->sync();
    lineModel_->sync();
    const DistributionTotals totals = source_ ? source_->lineTotals() : DistributionTotals{};
    totalDebit_->setText(qt(FormatMoney(totals.debit)));
    totalCredit_->setText(qt(FormatMoney(totals.credit)));
}

void PaymentGrids::setItemsEnabled(bool on) { itemGrid_->setEnabled(on); }

void PaymentGrids::setLinesEnabled(bool on)
{
    for (QWidget* part : std::initializer_list<QWidget*>{lineGrid_, accountSearch_, deleteLine_}) part->setEnabled(on);
}

void PaymentGrids::commitPendingEdits()
{
    for (auto* grid : {itemGrid_, lineGrid_}) grid->commitPendingEdit();
}

void PaymentGrids::focusCell(EntryGrid& grid, int row, int column)
{
    QTimer::singleShot(0, &grid, [&grid, row, column] {
        if (row >= 0 && row < grid.model()->rowCount()) grid.setCurrentIndex(grid.model()->index(row, column));
        grid.setFocus(Qt::OtherFocusReason);
    });
}

int PaymentGrids::currentLine() const { return lineGrid_->currentIndex().isValid() ? lineGrid_->currentIndex().row() : 0; }

bool PaymentGrids::eventFilter(QObject* watched, QEvent* event)
{
    auto* grid = dynamic_cast<EntryGrid*>(watched);
    if (!grid || event->type() != QEvent::KeyPress || editing(*grid)) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (grid == lineGrid_ && key->key() == Qt::Key_F2 && lineGrid_->currentIndex().column() == DistributionModel::Account) {
        actions_.pickAccount(currentLine());
        return true;
    }
    if (grid == lineGrid_ && key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
        if (lineGrid_->currentIndex().isValid()) actions_.deleteLine(lineGrid_->currentIndex().row());
        return true;
    }
    if (key->key() == Qt::Key_Up && grid->currentIndex().row() <= 0) {
        focusPreviousChild();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvant::sidedialogs
