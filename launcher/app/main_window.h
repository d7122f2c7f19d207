#pragma once
// The launcher's window: the menus of every option, the company and the user in the status bar,
// and the session it hands to each module it launches. It starts empty; its first activation
// opens the books, logs the user in and fills it.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "options/enabled_options.h"
#include "core/launch_host.h"
#include "core/option_launcher.h"
#include "options/option_registry.h"
#include "options/rights.h"
#include "login.h"
#include "store/session_number.h"

class QLabel;
class QMenu;
class QPlainTextEdit;

namespace orvant::ui {
class ErrorForm;
class ErrorReporter;
}  // namespace orvant::ui

namespace orvant::launcher {

class PasswordDialog;
class DesktopView;
class CompanyPasswordDialog;

class MainWindow : public QMainWindow, public LaunchHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // LaunchHost
    Session& session() override { return session_; }
    store::Database& companyDatabase() override;
    QString selectedTrackerDatabase() const override { return trackerDatabase_; }
    QStringList runnableCodes() const override { return optionLists_.dllList; }
    QString errorMessage(int number) const override;
    void refreshCompanies() override;
    void rebuildCompanyMenu() override;
    void rebuildTrackerMenu() override;
    void reapplyInternationalSettings() override {}
    void reloadToolsMenu() override;
    void refreshWindow() override;
    void refreshTitle(WindowTitle title) override;

    bool loggedIn() const { return loggedIn_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void firstActivation();
    void enter();
    void logOut();
    void showAbout();
    void remindAndWelcome();
    void choosePrinter();
    bool openBooks();
    bool logIn();
    void loadStrings();
    void showWallpaper();
    void clearMenus();
    void buildMenus();
    QMenu* optionMenu(const TopMenu& top);
    bool selectCompany(int company);
    bool companyOpens(int company);
    void later(std::function<void()> work);
    void launch(const QString& entryName);
    void say(int message);
    void restorePosition();

    Registry registry_;
    Session session_;
    company::User user_;
    UserSecurity rights_;
    OptionLists optionLists_;
    QString trackerDatabase_;
    bool loggedIn_ = false;
    bool activated_ = false;
    bool standardDesktop_ = false;  // "Use Standard Desktop": the user's saved desktop is not restored

    std::unique_ptr<store::Database> dataRoot_;
    std::unique_ptr<store::Database> company_;
    std::unique_ptr<store::SessionLease> sessionNumber_;
    std::unique_ptr<OptionLauncher> launcher_;

    QPlainTextEdit* messages_;
    QLabel* wallpaper_;
    DesktopView* desktop_;
    QLabel* companyPanel_;
    QLabel* printerPanel_;
    QMenu* companyMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* trackerMenu_ = nullptr;
    PasswordDialog* passwordDialog_;
    CompanyPasswordDialog* companyPasswordDialog_;
    std::unique_ptr<ui::ErrorForm> errorForm_;
    std::unique_ptr<ui::ErrorReporter> reporter_;
};

}  // namespace orvant::launcher
