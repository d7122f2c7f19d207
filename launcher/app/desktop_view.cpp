#include "desktop_view.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include "desktop_dialogs.h"
#include "desktop_icon.h"
#include "desktop_panel.h"
#include "store/error.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"

namespace orvant::launcher {

namespace {

// Lines of the desktop's own message list.
constexpr int kShortcutExists = 0, kPictureUnreadable = 1, kTableMissing = 2, kDesktopUnreadable = 3;
constexpr int kMayNotRun = 3;  // of the launcher's list
constexpr QPoint kNewShortcut{296, 256};

QString shortcutCode(const QString& name) { return name.endsWith(u'S') ? name.chopped(1) : name; }

}  // namespace

DesktopView::DesktopView(QLabel* wallpaper, DesktopContext context)
    : QWidget(wallpaper), wallpaper_(wallpaper), context_(std::move(context))
{
    setObjectName(QStringLiteral("Desktop"));
    auto* layout = new QVBoxLayout(wallpaper);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(QStringLiteral("Desktop_Messages"));
    messages_->hide();
}

void DesktopView::logIn(store::Database& dataRoot, const QString& user, bool standardDesktop, int language, const QString& programDir)
{
    clear();
    dataRoot_ = &dataRoot;
    language_ = language;
    programDir_ = programDir;
    makePanels();
    keeper_.loggedIn(user, standardDesktop);
    const DesktopState standard = StandardDesktop(programDir, language);
    RestoredDesktop restored;
    try {
        if (!standardDesktop) restored = RestoreDesktop(dataRoot, user, standard);
    } catch (const store::StoreError& e) {
        // The login goes on with the standard desktop; the saved one is replaced only if changed.
        say(kDesktopUnreadable, QString::fromUtf8(e.what()));
    }
    const DesktopState desktop = restored.desktop.value_or(standard);
    // A picture that no longer loads gives the standard one, never the one the last user left.
    if (!setWallpaper(desktop.wallpaper)) setWallpaper(standard.wallpaper);
    apply(desktop);
}

void DesktopView::makePanels()
{
    for (const PanelDef& def : Panels()) {
        auto* created = new DesktopPanel(def, language_, this);
        created->hide();
        connect(created, &DesktopPanel::closeRequested, this, ui::Guarded([this, created] { closePanel(created); }));
        connect(created, &DesktopPanel::changed, this, [this] { changed(); });
        if (def.hasGrid())
            connect(created, &DesktopPanel::insertRequested, this,
                    ui::Guarded([this, &def] { context_.launch(QLatin1String(def.insertOption) + u'S'); }));
        panels_[static_cast<std::size_t>(def.kind)] = created;
    }
}

// The panels are made again in the new language, as they were; the standard icons still
// captioned as designed take the new captions, those the user renamed keep their names.
void DesktopView::setLanguage(int language)
{
    if (!dataRoot_ || language == language_) return;
    const DesktopState current = state();
    for (DesktopIcon* icon : icons_)
        if (const PanelDef* def = PanelOfIcon(icon->objectName()); def && icon->text() == def->iconCaption(language_))
            icon->setText(def->iconCaption(language));
    language_ = language;
    for (DesktopPanel*& shown : panels_) {
        delete shown;
        shown = nullptr;
    }
    makePanels();
    restoring_ = true;
    applyPanels(current);
    restoring_ = false;
}

// Restoring is not a change: only what the user does marks the desktop changed.
void DesktopView::apply(const DesktopState& desktop)
{
    restoring_ = true;
    for (const ShortcutState& icon : desktop.icons) addIcon(icon);
    applyPanels(desktop);
    restoring_ = false;
}

void DesktopView::applyPanels(const DesktopState& desktop)
{
    for (int i = 0; i < kPanelCount; ++i) {
        DesktopPanel* shown = panels_[static_cast<std::size_t>(i)];
        shown->setGeometry(desktop.panels[static_cast<std::size_t>(i)].geometry);
        if (i < kGridCount) shown->setColumnWidths(desktop.gridColumns[static_cast<std::size_t>(i)]);
        if (shown->text()) shown->text()->setHtml(desktop.thingsToDo);
        if (desktop.panels[static_cast<std::size_t>(i)].visible) openPanel(shown);  // with the rights of today
    }
}

DesktopState DesktopView::state() const
{
    DesktopState desktop;
    desktop.wallpaper = wallpaperFile_;
    for (const DesktopIcon* icon : icons_) desktop.icons.append({icon->objectName(), icon->text(), icon->picture(), icon->pos()});
    for (int i = 0; i < kPanelCount; ++i) {
        const DesktopPanel* shown = panels_[static_cast<std::size_t>(i)];
        if (!shown) continue;
        desktop.panels[static_cast<std::size_t>(i)] = {shown->geometry(), !shown->isHidden()};
        if (i < kGridCount) desktop.gridColumns[static_cast<std::size_t>(i)] = shown->columnWidths();
        if (shown->text()) desktop.thingsToDo = shown->text()->toHtml();
    }
    return desktop;
}

void DesktopView::leave()
{
    const std::optional<QString> user = keeper_.leave();
    try {
        if (user && dataRoot_) SaveDesktop(*dataRoot_, *user, state());
    } catch (...) {
        clear();
        throw;
    }
    clear();
}

void DesktopView::clear()
{
    qDeleteAll(icons_);
    icons_.clear();
    for (DesktopPanel*& shown : panels_) {
        delete shown;
        shown = nullptr;
    }
    // Nothing of the user who left stays on show for the next one.
    wallpaperFile_.clear();
    if (!setWallpaper(StandardDesktop(programDir_, language_).wallpaper)) wallpaper_->clear();
    dataRoot_ = nullptr;
}

void DesktopView::companyChanged()
{
    for (DesktopPanel* shown : panels_)
        if (shown && shown->model() && !shown->isHidden() && !openPanel(shown)) shown->hide();
}

void DesktopView::refresh()
{
    for (DesktopPanel* shown : panels_)
        if (shown && shown->model() && shown->model()->isOpen()) shown->model()->reload();
}

DesktopIcon* DesktopView::addIcon(const ShortcutState& state)
{
    auto* icon = new DesktopIcon(state.name, state.caption, this);
    if (!state.picture.isEmpty()) icon->setPicture(state.picture);
    icon->move(state.position);
    icon->show();
    icons_.append(icon);
    connect(icon, &DesktopIcon::moved, this, [this] { changed(); });
    connect(icon, &QWidget::customContextMenuRequested, this, ui::Guarded([this, icon](const QPoint& at) { iconMenu(icon, at); }));
    if (const PanelDef* def = PanelOfIcon(state.name)) {
        const auto toggle = ui::Guarded([this, kind = def->kind] { togglePanel(kind); });
        connect(icon, &DesktopIcon::clicked, this, toggle);
        connect(icon, &DesktopIcon::enterPressed, this, toggle);
    } else
        connect(icon, &DesktopIcon::activated, this, ui::Guarded([this, icon] { context_.launch(icon->objectName()); }));
    return icon;
}

DesktopIcon* DesktopView::findIcon(const QString& name) const
{
    for (DesktopIcon* icon : icons_)
        if (icon->objectName().compare(name, Qt::CaseInsensitive) == 0) return icon;
    return nullptr;
}

void DesktopView::togglePanel(PanelKind kind)
{
    DesktopPanel* shown = panel(kind);
    if (!shown) return;
    if (!shown->isHidden()) closePanel(shown);
    else if (openPanel(shown)) changed();
}

// A panel opens only for a user who may run its inquiry, on a table the company has.
bool DesktopView::openPanel(DesktopPanel* shown)
{
    const PanelDef& def = shown->definition();
    if (!MayOpenPanel(def, context_.options().dllList)) return false;
    if (shown->model()) {
        store::Database* company = context_.company();
        if (!company || !shown->model()->open(*company)) {
            say(kTableMissing);
            return false;
        }
    }
    shown->show();
    shown->raise();
    return true;
}

void DesktopView::closePanel(DesktopPanel* shown)
{
    if (shown->isHidden()) return;
    shown->hide();
    if (shown->model()) shown->model()->close();
    changed();
}

void DesktopView::addShortcut()
{
    if (!dataRoot_) return;
    const OptionLists lists = context_.options();
    QStringList captions;
    for (qsizetype i = 0; i < lists.optionNames.size(); ++i) {
        const MenuOption& option = MenuOptions()[static_cast<std::size_t>(i)];
        captions << lists.optionNames[i] + QStringLiteral(" (") + TopMenus()[static_cast<std::size_t>(option.menu)].caption(language_).remove(u'&') + u')';
    }
    AddShortcutDialog dialog(captions, language_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0) return;
    const QString code = lists.dllList.value(dialog.chosen());
    if (code.isEmpty()) {
        ui::Messages().show({ui::MessageKind::Error, context_.launcherMessage(kMayNotRun), kMayNotRun, window(), false});
        return;
    }
    if (findIcon(code + u'S')) {
        say(kShortcutExists);
        return;
    }
    DesktopIcon* icon = addIcon({code + u'S', lists.optionNames.value(dialog.chosen()), QString(), kNewShortcut});
    icon->setPicture(programDir_ + QStringLiteral("/sysedit.bmp"));
    changed();
}

void DesktopView::iconMenu(DesktopIcon* icon, const QPoint& at)
{
    const bool french = language_ == 2;
    QMenu menu(this);
    QAction* properties = menu.addAction(french ? QStringLiteral("&Propriétés") : QStringLiteral("&Properties"));
    QAction* remove = menu.addAction(french ? QStringLiteral("&Supprimer le raccourci") : QStringLiteral("&Delete Shortcut"));
    menu.addSeparator();
    QAction* add = menu.addAction(french ? QStringLiteral("&Ajouter un raccourci") : QStringLiteral("&Add shortcut"));
    QAction* chosen = menu.exec(icon->mapToGlobal(at));
    if (chosen == properties) iconProperties(icon);
    else if (chosen == remove) deleteIcon(icon);
    else if (chosen == add) addShortcut();
}

void DesktopView::contextMenuEvent(QContextMenuEvent* event)
{
    desktopMenu(event->pos());
}

void DesktopView::desktopMenu(const QPoint& at)
{
    if (!dataRoot_) return;
    const bool french = language_ == 2;
    QMenu menu(this);
    QAction* add = menu.addAction(french ? QStringLiteral("&Ajouter un raccourci") : QStringLiteral("&Add shortcut"));
    QAction* properties = menu.addAction(french ? QStringLiteral("&Propriétés") : QStringLiteral("&Properties"));
    QAction* chosen = menu.exec(mapToGlobal(at));
    if (chosen == add) ui::Guarded([this] { addShortcut(); })();
    else if (chosen == properties) ui::Guarded([this] { chooseWallpaper(); })();
}

void DesktopView::iconProperties(DesktopIcon* icon)
{
    ShortcutPropertiesDialog dialog(icon->picture(), icon->text(), shortcutCode(icon->objectName()), language_, programDir_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    icon->setText(dialog.caption());
    if (!dialog.chosenPicture().isEmpty() && !icon->setPicture(dialog.chosenPicture())) say(kPictureUnreadable);
    changed();
}

// A standard panel's icon stays: deleting it hides its panel.
void DesktopView::deleteIcon(DesktopIcon* icon)
{
    if (const PanelDef* def = PanelOfIcon(icon->objectName())) {
        closePanel(panel(def->kind));
        return;
    }
    icons_.removeOne(icon);
    icon->deleteLater();
    changed();
}

void DesktopView::chooseWallpaper()
{
    const QString file = QFileDialog::getOpenFileName(this, QString(), programDir_,
                                                      QStringLiteral("Pictures (*.bmp *.jpg *.jpeg)"));
    if (file.isEmpty()) return;
    if (!setWallpaper(file)) say(kPictureUnreadable);
    else changed();
}

bool DesktopView::setWallpaper(const QString& file)
{
    const QPixmap picture(file);
    if (picture.isNull()) return false;
    wallpaper_->setPixmap(picture);
    wallpaperFile_ = file;
    return true;
}

void DesktopView::changed()
{
    if (!restoring_) keeper_.markChanged();
}

void DesktopView::say(int message, const QString& detail)
{
    QString text = messages_->toPlainText().split(u'\n').value(message, QStringLiteral("(message %1)").arg(message));
    if (!detail.isEmpty()) text += u'\n' + detail;
    ui::Messages().show({ui::MessageKind::Error, text, message, window(), false});
}

}  // namespace orvant::launcher
