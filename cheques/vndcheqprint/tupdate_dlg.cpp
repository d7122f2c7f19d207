#include "tupdate_dlg.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvant::vndcheqprint {

namespace {

void Toggle(QTreeWidgetItem* item)
{
    if (item) item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace

TUpdate_dlg::TUpdate_dlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("TUpdate_dlg");
    setWindowTitle("End of printing");
    auto* layout = new QVBoxLayout(this);
    text_ = new QLabel(QStringLiteral("The cheques have been printed.  Click the Ok button to proceed with the update.  Click the Cancel "
                                      "button to exit this option.  If you choose to cancel, the cheques will not be updated!!!"),
                       this);
    text_->setObjectName("Label1");
    text_->setWordWrap(true);
    layout->addWidget(text_);
    note_ = new QLabel(this);
    note_->setObjectName("NoteLabel");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(note_);
    cheques_ = new QTreeWidget(this);
    cheques_->setObjectName("ChequeList");
    cheques_->setHeaderLabels({"Cheque", "Payee", "Amount"});
    cheques_->setRootIsDecorated(false);
    cheques_->installEventFilter(this);
    // A click ticks or unticks the whole row, the box included, once.
    connect(cheques_, &QTreeWidget::itemClicked, this, [](QTreeWidgetItem* item) { Toggle(item); });
    layout->addWidget(cheques_);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TUpdate_dlg::setNumberColumnTitle(const QString& title) { cheques_->headerItem()->setText(0, title); }

std::optional<std::vector<int>> TUpdate_dlg::run(const std::vector<PrintedRow>& rows, const QString& note)
{
    note_->setText(note);
    cheques_->clear();
    for (const PrintedRow& row : rows) {
        auto* item = new QTreeWidgetItem(cheques_, {row.number, row.payee, row.amount});
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(0, Qt::Checked);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, row.seq);
    }
    cheques_->header()->resizeSections(QHeaderView::ResizeToContents);
    // Wide enough to show every column and the PDF's path on few lines.
    int columns = 0;
    for (int c = 0; c < cheques_->columnCount(); ++c) columns += cheques_->header()->sectionSize(c);
    setMinimumWidth(std::max(480, columns + 60));
    adjustSize();
    if (exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> spoiled;
    for (int i = 0; i < cheques_->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem* item = cheques_->topLevelItem(i); item->checkState(0) != Qt::Checked)
            spoiled.push_back(item->data(0, Qt::UserRole).toInt());
    return spoiled;
}

bool TUpdate_dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cheques_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        Toggle(cheques_->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvant::vndcheqprint
