#include "ui/record_navigator.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "ui/error_reporting.h"

namespace orvant::ui {

namespace {

struct Entry {
    NavigatorButton button;
    const char* name;
    const char* caption;
};

constexpr Entry kButtons[] = {
    {NavigatorButton::First, "FirstBtn", "|<"},   {NavigatorButton::Prior, "PriorBtn", "<"},
    {NavigatorButton::Next, "NextBtn", ">"},      {NavigatorButton::Last, "LastBtn", ">|"},
    {NavigatorButton::Insert, "InsertBtn", "+"},  {NavigatorButton::Delete, "DeleteBtn", "-"},
    {NavigatorButton::Edit, "EditBtn", "&Edit"},   {NavigatorButton::Post, "PostBtn", "&Save"},
    {NavigatorButton::Cancel, "CancelBtn", "&Cancel"}, {NavigatorButton::Refresh, "RefreshBtn", "&Refresh"},
};

bool editsOnly(NavigatorButton b) { return b == NavigatorButton::Post || b == NavigatorButton::Cancel; }

}  // namespace

RecordNavigator::RecordNavigator(QWidget* parent, const char* objectName, bool withRefresh,
                                 std::function<void(NavigatorButton)> pressed)
    : QWidget(parent)
{
    setObjectName(QLatin1String(objectName));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (const Entry& entry : kButtons) {
        if (entry.button == NavigatorButton::Refresh && !withRefresh) continue;
        auto* b = new QPushButton(QString::fromUtf8(entry.caption), this);
        b->setObjectName(QLatin1String(entry.name));
        b->setAutoDefault(false);
        row->addWidget(b);
        buttons_[entry.button] = b;
        const NavigatorButton which = entry.button;
        connect(b, &QPushButton::clicked, this, Guarded([pressed, which] { pressed(which); }));
    }
    row->addStretch();
}

void RecordNavigator::setHints(const QStringList& hints)
{
    auto hint = hints.begin();
    for (auto it = buttons_.begin(); it != buttons_.end() && hint != hints.end(); ++it, ++hint) it->second->setToolTip(*hint);
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

}  // namespace orvant::ui
