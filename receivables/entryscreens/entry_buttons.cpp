#include "entryscreens/entry_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "entryscreens/entry_fields.h"
#include "ui/error_reporting.h"

namespace orvant::entryscreens {

QWidget* EntryButtonBar(QWidget* parent, EntryButtonActions actions, const EntryButtonLook& look)
{
    auto* bar = new QWidget(parent);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name, const char* caption, std::function<void()> action) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setText(QString::fromUtf8(caption));
        if (look.hints) b->setToolTip(QString::fromUtf8(caption));
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QToolButton::clicked, parent, ui::Guarded(std::move(action)));
        buttons->addWidget(b);
    };
    tool("PeriodBtn", "Change period", std::move(actions.changePeriod));
    tool("EmailBtn", "E-Mail to", std::move(actions.email));
    tool("QuickLinkBtn", "Quick Link", std::move(actions.quickLink));
    tool("PrintBtn", "Print screen", std::move(actions.printScreen));
    buttons->addStretch();
    const auto button = [&](const char* name, const char* caption, const char* hint, bool skipsChecks, std::function<void()> action) {
        auto* b = new QPushButton(QString::fromUtf8(caption), bar);
        b->setObjectName(QLatin1String(name));
        if (look.hints) b->setToolTip(QString::fromUtf8(hint));
        b->setAutoDefault(false);
        if (skipsChecks) b->setProperty("tag", kLeavingSkipsChecks);
        QObject::connect(b, &QPushButton::clicked, parent, ui::Guarded(std::move(action)));
        buttons->addWidget(b);
    };
    button("PostBtn", look.accept, "Accept", false, std::move(actions.accept));
    button("CancelBtn", look.cancel, "Cancel", true, std::move(actions.cancel));
    button("Exit_btn", "E&xit", "Exit", true, std::move(actions.exit));
    button("Help_btn", "&Help", "Help", look.helpSkipsChecks, std::move(actions.help));
    return bar;
}

void FinishEntryForm(QDialog& form, QBoxLayout& layout, std::vector<QWidget*> fields, int height)
{
    auto* statusBar = Named(new QStatusBar(&form), "StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) statusBar->addPermanentWidget(Named(new QLabel(statusBar), panel));
    layout.addWidget(statusBar);
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) fields.push_back(form.findChild<QWidget*>(button));
    for (std::size_t i = 1; i < fields.size(); ++i) QWidget::setTabOrder(fields[i - 1], fields[i]);
    Named(new QPlainTextEdit(&form), "IntlStrings1")->hide();
    form.resize(820, height);
}

void FocusSoon(QWidget* target)
{
    QTimer::singleShot(0, target, [target] {
        target->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
    });
}

}  // namespace orvant::entryscreens
