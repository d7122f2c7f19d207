#pragma once
// The desktop behind the launcher's menus: the wallpaper, the icons and the panels of the user
// logged in, restored at login and saved, when changed, when the user leaves.

#include <QWidget>
#include <array>
#include <functional>

#include "core/desktop_store.h"
#include "options/enabled_options.h"

class QLabel;
class QPlainTextEdit;

namespace orvant::launcher {

class DesktopIcon;
class DesktopPanel;

// What the desktop asks of the launcher's window.
struct DesktopContext {
    std::function<store::Database*()> company;  // the current company's books, nullptr when none
    std::function<OptionLists()> options;        // the shortcut dialog's lists, by the user's rights
    std::function<void(const QString&)> launch;  // an option by its entry name, with its checks
    std::function<QString(int)> launcherMessage; // line N of `Error_Messages`
};

class DesktopView : public QWidget {
    Q_OBJECT
public:
    // Lays itself over the wallpaper, which it shows.
    DesktopView(QLabel* wallpaper, DesktopContext context);

    // The user's desktop, or the standard one when asked for (it then replaces the saved one).
    void logIn(store::Database& dataRoot, const QString& user, bool standardDesktop, int language, const QString& programDir);
    // Saves a changed desktop for the user who leaves, then empties the desktop.
    void leave();
    void companyChanged();  // the open panels show the new company
    void refresh();         // the open grids read again, after a module
    void setLanguage(int language);
    DesktopState state() const;

    void addShortcut();
    void togglePanel(PanelKind kind);

private:
    void makePanels();
    void apply(const DesktopState& desktop);
    void applyPanels(const DesktopState& desktop);
    void clear();
    DesktopIcon* addIcon(const ShortcutState& icon);
    DesktopIcon* findIcon(const QString& name) const;
    DesktopPanel* panel(PanelKind kind) const { return panels_[static_cast<std::size_t>(kind)]; }
    bool openPanel(DesktopPanel* panel);
    void closePanel(DesktopPanel* panel);
    void iconMenu(DesktopIcon* icon, const QPoint& at);
    void desktopMenu(const QPoint& at);
    void iconProperties(DesktopIcon* icon);
    void deleteIcon(DesktopIcon* icon);
    void chooseWallpaper();
    bool setWallpaper(const QString& file);
    void changed();
    void say(int message, const QString& detail = {});

    void contextMenuEvent(QContextMenuEvent* event) override;

    QLabel* wallpaper_;
    DesktopContext context_;
    QPlainTextEdit* messages_;
    store::Database* dataRoot_ = nullptr;
    DesktopKeeper keeper_;
    int language_ = 1;
    QString programDir_;
    QString wallpaperFile_;
    QList<DesktopIcon*> icons_;
    std::array<DesktopPanel*, kPanelCount> panels_{};
    bool restoring_ = false;
};

}  // namespace orvant::launcher
