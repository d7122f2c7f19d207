#include "picker/picker_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "picker/lookup_model.h"
#include "ui/error_reporting.h"

namespace orvant::picker {

namespace {

bool movesInList(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

QTableView* makeList(LookupModel& model, QWidget* parent)
{
    auto* list = new QTableView(parent);
    list->setObjectName(QStringLiteral("grdList"));
    list->setModel(&model);
    list->setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the search box
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAlternatingRowColors(true);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    return list;
}

}  // namespace

PickerDialog::PickerDialog(const QString& formName, LookupModel& model, QWidget* parent)
    : QDialog(parent), model_(model), find_(new QLineEdit(this)), list_(makeList(model, this))
{
    setObjectName(formName);
    layOut();
    model_.setFailureHandler([this] { reject(); });
    find_->installEventFilter(this);
    connect(find_, &QLineEdit::textChanged, this, ui::Guarded([this](const QString& text) { filter(text); }));
    connect(find_, &QLineEdit::returnPressed, this, ui::Guarded([this] { choose(list_->currentIndex()); }));
    connect(list_, &QTableView::doubleClicked, this, ui::Guarded([this](const QModelIndex& row) { choose(row); }));
    standOnFirstRow();
    find_->setFocus();
}

PickerDialog::~PickerDialog() { model_.setFailureHandler({}); }

bool PickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == find_ && event->type() == QEvent::KeyPress && movesInList(static_cast<QKeyEvent&>(*event))) {
        QCoreApplication::sendEvent(list_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PickerDialog::filter(const QString& text)
{
    model_.setFilter(text);
    standOnFirstRow();
}

void PickerDialog::choose(const QModelIndex& row)
{
    if (!row.isValid()) return;
    chosen_ = model_.codeAt(row.row());
    accept();
}

// The search box and its label above the list.
void PickerDialog::layOut()
{
    find_->setObjectName(QStringLiteral("edtFind"));
    auto* label = new QLabel(QStringLiteral("&Search:"), this);
    label->setObjectName(QStringLiteral("lblFind"));
    label->setBuddy(find_);

    auto* search = new QHBoxLayout;
    search->addWidget(label);
    search->addWidget(find_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(list_);
    resize(460, 360);
}

void PickerDialog::standOnFirstRow()
{
    list_->scrollToTop();
    if (model_.rowCount() > 0) list_->setCurrentIndex(model_.index(0, 0));
}

}  // namespace orvant::picker
