#pragma once
// The launcher's window: the menus of every option, the company and the user in the status bar,
// and the session it hands to each module it launches. It starts empty; its first activation
// opens the books, logs the user in and fills it.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "options/enabled_options.h"
#include "core/languages.h"
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
    void reapplyInternationalSettings() override;
    void reloadToolsMenu() override;
    void refreshWindow() override;
    void refreshTitle(WindowTitle title) override;

    bool loggedIn() const { return loggedIn_; }
    // The system's printers, in its order, and its default; read when the window is made.
    void setPrinters(const QStringList& names, const QString& defaultName);

signals:
    // The session's language changed: what shows launcher texts loads them again.
    void languageChanged();

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
    void selectPrinter(int position);
    void selectLanguage(int key);
    void addOptionsMenu(const TopMenu& top);
    void fillPrinterMenu();
    void fillLanguageMenu();
    void showCompanyAndPrinter();
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
    void say(int message, const QString& detail = {});
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
    bool international_ = false;    // `intl`: North-American captions in English
    QString caption_;               // the window's caption in the session's language, as loaded
    QStringList printers_;
    QString defaultPrinter_;
    int printer_ = -1;              // the current printer's position among printers_
    std::vector<LanguageEntry> languages_;

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
    QMenu* printerMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    PasswordDialog* passwordDialog_;
    CompanyPasswordDialog* companyPasswordDialog_;
    std::unique_ptr<ui::ErrorForm> errorForm_;
    std::unique_ptr<ui::ErrorReporter> reporter_;
};

}  // namespace orvant::launcher
