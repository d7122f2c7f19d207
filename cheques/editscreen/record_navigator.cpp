#include "record_navigator.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "ui/error_reporting.h"

namespace orvant::chequescreen {

namespace {

struct Entry {
    NavigatorButton button;
    const char* name;
    const char* caption;
    const char* hint;
};

constexpr Entry kButtons[] = {
    {NavigatorButton::First, "FirstBtn", "|<", "First cheque"},     {NavigatorButton::Prior, "PriorBtn", "<", "Prior cheque"},
    {NavigatorButton::Next, "NextBtn", ">", "Next cheque"},         {NavigatorButton::Last, "LastBtn", ">|", "Last cheque"},
    {NavigatorButton::Insert, "InsertBtn", "+", "New cheque"},      {NavigatorButton::Delete, "DeleteBtn", "-", "Delete cheque"},
    {NavigatorButton::Edit, "EditBtn", "&Edit", "Change cheque"},   {NavigatorButton::Post, "PostBtn", "&Save", "Save cheque"},
    {NavigatorButton::Cancel, "CancelBtn", "&Cancel", "Cancel"},    {NavigatorButton::Refresh, "RefreshBtn", "&Refresh", "Read again"},
};

bool editsOnly(NavigatorButton b) { return b == NavigatorButton::Post || b == NavigatorButton::Cancel; }

}  // namespace

RecordNavigator::RecordNavigator(QWidget* parent, std::function<void(NavigatorButton)> pressed) : QWidget(parent)
{
    setObjectName("DBNavigator1");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (const Entry& entry : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(entry.caption), this);
        b->setObjectName(QLatin1String(entry.name));
        b->setToolTip(QString::fromUtf8(entry.hint));
        b->setAutoDefault(false);
        row->addWidget(b);
        buttons_[entry.button] = b;
        const NavigatorButton which = entry.button;
        connect(b, &QPushButton::clicked, this, ui::Guarded([pressed, which] { pressed(which); }));
    }
    row->addStretch();
}

void RecordNavigator::setBrowsing(bool browsing)
{
    for (const auto& [which, b] : buttons_) b->setEnabled(editsOnly(which) != browsing);
}

bool BrowseKeyButton(int key, NavigatorButton& which)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp: which = NavigatorButton::Prior; return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown: which = NavigatorButton::Next; return true;
    case Qt::Key_Home: which = NavigatorButton::First; return true;
    case Qt::Key_End: which = NavigatorButton::Last; return true;
    case Qt::Key_Insert: which = NavigatorButton::Insert; return true;
    case Qt::Key_Delete: which = NavigatorButton::Delete; return true;
    default: return false;
    }
}

}  // namespace orvant::chequescreen
