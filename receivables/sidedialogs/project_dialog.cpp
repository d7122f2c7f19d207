#include "sidedialogs/project_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "money/currency_format.h"
#include "sidedialogs/dialog_parts.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/grid_editors.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::sidedialogs {

Tproject_dlg::Tproject_dlg(QWidget* parent) : QDialog(parent), model_(this)
{
    setObjectName(QStringLiteral("Tproject_dlg"));
    setWindowTitle(QStringLiteral("Enter project"));

    QLabel* caption = NamedLabel("DistributionLabel", QStringLiteral("Distribution amount:"), this);
    left_ = NamedLabel("DistributionAmount", {}, this);
    left_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    grid_ = new EntryGrid(this);
    grid_->setObjectName(QStringLiteral("ProjectGrid"));
    grid_->setModel(&model_);
    grid_->setPastLastRow([this] { return model_.appendLine(); });
    grid_->installEventFilter(this);
    connect(&model_, &QAbstractItemModel::dataChanged, this, [this] { showLeftToDistribute(); });
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, [this] { showLeftToDistribute(); });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { showLeftToDistribute(); });

    QPushButton* lookup = NamedButton("LookupBtn", QStringLiteral("&Look up"), this);
    QPushButton* remove = NamedButton("DeleteBtn", QStringLiteral("&Delete line"), this);
    QPushButton* ok = NamedButton("OKBtn", QStringLiteral("OK"), this);
    QPushButton* cancel = NamedButton("CancelBtn", QStringLiteral("Cancel"), this);
    for (QPushButton* button : {lookup, remove}) button->setAutoDefault(false);
    ok->setDefault(true);
    connect(lookup, &QPushButton::clicked, this, ui::Guarded([this] { lookUp(); }));
    connect(remove, &QPushButton::clicked, this, ui::Guarded([this] { deleteLine(); }));
    connect(ok, &QPushButton::clicked, this, ui::Guarded([this] { tryAccept(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* amount = new QHBoxLayout;
    amount->addWidget(caption);
    amount->addWidget(left_);
    amount->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lookup);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(amount);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
}

std::optional<std::vector<ProjectLine>> Tproject_dlg::run(Money toDistribute, store::Database& company, QWidget& messagesForm,
                                                         ProjectLookups lookups, ProjectForm form)
{
    company_ = &company;
    messagesForm_ = &messagesForm;
    lookups_ = std::move(lookups);
    accepted_.reset();
    model_.start(toDistribute, form);
    setDelegates();
    grid_->setCurrentIndex(model_.index(0, 0));
    grid_->setFocus();
    exec();
    return accepted_;
}

// Codes are typed up to their width, amounts, quantities and rates as amounts are.
void Tproject_dlg::setDelegates()
{
    for (int column = 0; column < model_.columnCount(); ++column) {
        delete grid_->itemDelegateForColumn(column);
        const ProjectModel::Column kind = model_.columnKind(column);
        const bool code = kind == ProjectModel::Column::Project || kind == ProjectModel::Column::Phase || kind == ProjectModel::Column::Element;
        grid_->setItemDelegateForColumn(column, code ? static_cast<QAbstractItemDelegate*>(new CodeDelegate(kProjectCodeWidth, grid_))
                                                     : new AmountDelegate(grid_));
    }
}

bool Tproject_dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const ProjectModel::Column column = model_.columnKind(std::max(grid_->currentIndex().column(), 0));
        const bool picked = column == ProjectModel::Column::Project || column == ProjectModel::Column::Phase ||
                            column == ProjectModel::Column::Element;
        if (key->key() == Qt::Key_F2 && picked) {
            ui::Guarded([this] { lookUp(); })();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            ui::Guarded([this] { deleteLine(); })();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tproject_dlg::lookUp()
{
    if (!grid_->commitPendingEdit()) return;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    switch (model_.columnKind(current.column())) {
    case ProjectModel::Column::Project:
        if (const std::string project = lookups_.project ? lookups_.project() : std::string(); !project.empty())
            model_.setData(current, QString::fromStdString(project));
        break;
    case ProjectModel::Column::Phase:
        if (const std::optional<std::string> code = PhaseCode(*company_, lookups_.phase ? lookups_.phase() : 0))
            model_.setData(current, QString::fromStdString(*code));
        break;
    case ProjectModel::Column::Element:
        if (const std::string element = lookups_.element ? lookups_.element() : std::string(); !element.empty())
            model_.setData(current, QString::fromStdString(element));
        break;
    default: break;
    }
    grid_->setFocus();
}

void Tproject_dlg::deleteLine()
{
    if (!grid_->commitPendingEdit()) return;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    model_.removeLine(current.row());
    if (model_.rowCount() == 0) model_.appendLine();
    grid_->setCurrentIndex(model_.index(std::min(current.row(), model_.rowCount() - 1), current.column()));
    grid_->setFocus();
}

void Tproject_dlg::showLeftToDistribute()
{
    left_->setText(QString::fromStdString(FormatMoney(model_.entry().leftToDistribute())));
}

void Tproject_dlg::tryAccept()
{
    if (!grid_->commitPendingEdit()) return;
    auto checked = model_.entry().accept(*company_);
    if (const auto* refusal = std::get_if<ProjectLineRefusal>(&checked)) {
        ui::ShowFormMessage(*messagesForm_, refusal->message, ui::MessageKind::Information);
        grid_->setCurrentIndex(model_.index(refusal->line, model_.columnOf(ProjectModel::Column::Project)));
        grid_->setFocus();
        return;
    }
    accepted_ = std::move(std::get<std::vector<ProjectLine>>(checked));
    accept();
}

}  // namespace orvant::sidedialogs
