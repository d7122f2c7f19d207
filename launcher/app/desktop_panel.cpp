#include "desktop_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

#include "ui/error_reporting.h"

namespace orvant::launcher {

namespace {
constexpr int kBandButton = 18;

QString objectNameOf(const PanelDef& panel, const char* part)
{
    QString name = QString::fromLatin1(panel.iconName);
    name.chop(4);  // "ClientsIcon" gives "ClientsPanel", "ClientsGrid"
    return name + QLatin1String(part);
}
}  // namespace

DesktopPanel::DesktopPanel(const PanelDef& panel, int language, QWidget* parent) : QFrame(parent), panel_(panel), language_(language)
{
    setObjectName(objectNameOf(panel, "Panel"));
    setFrameShape(QFrame::NoFrame);  // the band and the grid take the whole panel
    setAutoFillBackground(true);
    setMinimumSize(kMinimumPanelSize);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &DesktopPanel::showContextMenu);

    band_ = new QWidget(this);
    band_->setFixedHeight(kPanelBand);
    auto* bandLayout = new QHBoxLayout(band_);
    bandLayout->setContentsMargins(6, 0, 4, 0);
    auto* title = new QLabel(panel.title(language), band_);
    title->setObjectName(objectNameOf(panel, "Title"));
    bandLayout->addWidget(title, 1);
    QToolButton* reduce = bandButton("ReduceBtn", QStringLiteral("-"));
    QToolButton* enlarge = bandButton("EnlargeBtn", QStringLiteral("+"));
    QToolButton* close = bandButton("CloseBtn", QStringLiteral("X"));
    for (QToolButton* button : {reduce, enlarge, close}) bandLayout->addWidget(button);
    connect(reduce, &QToolButton::clicked, this, ui::Guarded([this] { step(false, SizeStep::Button); }));
    connect(enlarge, &QToolButton::clicked, this, ui::Guarded([this] { step(true, SizeStep::Button); }));
    connect(close, &QToolButton::clicked, this, &DesktopPanel::closeRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band_);
    QWidget* body;
    if (panel.hasGrid()) {
        model_ = new PanelGridModel(panel, language, this);
        grid_ = new QTableView(this);
        grid_->setObjectName(objectNameOf(panel, "Grid"));
        grid_->setModel(model_);
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid_->verticalHeader()->hide();
        grid_->installEventFilter(this);
        connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, &DesktopPanel::changed);
        body = grid_;
    } else {
        text_ = new QTextEdit(this);
        text_->setObjectName(objectNameOf(panel, "Text"));
        text_->setAcceptRichText(true);
        connect(text_, &QTextEdit::textChanged, this, &DesktopPanel::changed);
        body = text_;
    }
    body->setMinimumSize(1, 1);  // the smallest panel keeps its whole band
    body->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(body, &QWidget::customContextMenuRequested, this, [this, body](const QPoint& at) { showContextMenu(body->mapTo(this, at)); });
    layout->addWidget(body, 1);
}

QToolButton* DesktopPanel::bandButton(const char* name, const QString& text)
{
    auto* button = new QToolButton(band_);
    button->setObjectName(objectNameOf(panel_, name));  // "ClientsCloseBtn": one name a panel
    button->setText(text);
    button->setFixedSize(kBandButton, kBandButton);
    return button;
}

void DesktopPanel::step(bool enlarge, SizeStep step)
{
    resize(enlarge ? Enlarged(size(), step) : Reduced(size(), step));
    emit changed();
}

QList<int> DesktopPanel::columnWidths() const
{
    QList<int> widths;
    if (grid_)
        for (int column = 0; column < grid_->horizontalHeader()->count(); ++column) widths.append(grid_->columnWidth(column));
    return widths;
}

void DesktopPanel::setColumnWidths(const QList<int>& widths)
{
    if (!grid_) return;
    for (int column = 0; column < widths.size() && column < grid_->horizontalHeader()->count(); ++column)
        grid_->setColumnWidth(column, widths[column]);
}

void DesktopPanel::showContextMenu(const QPoint& at)
{
    QMenu menu(this);
    const bool french = language_ == 2;
    QAction* enlarge = menu.addAction(french ? QStringLiteral("&Agrandir") : QStringLiteral("&Enlarge"));
    QAction* reduce = menu.addAction(french ? QStringLiteral("&Réduire") : QStringLiteral("&Reduce"));
    QAction* chosen = menu.exec(mapToGlobal(at));
    if (chosen == enlarge) step(true, SizeStep::Menu);
    else if (chosen == reduce) step(false, SizeStep::Menu);
}

// A click on the panel brings it to the front; a drag of its band moves it.
void DesktopPanel::mousePressEvent(QMouseEvent* event)
{
    raise();
    emit changed();
    grab_ = event->position().toPoint();
    dragging_ = event->button() == Qt::LeftButton && band_->geometry().contains(grab_);
}

void DesktopPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) move(pos() + event->position().toPoint() - grab_);
}

void DesktopPanel::mouseReleaseEvent(QMouseEvent*)
{
    if (dragging_) emit changed();
    dragging_ = false;
}

bool DesktopPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        emit insertRequested();
        return true;
    }
    if (watched == grid_ && event->type() == QEvent::FocusIn) raise();
    return QFrame::eventFilter(watched, event);
}

}  // namespace orvant::launcher
