#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTimer>

#include "company/company_creation.h"
#include "options/enabled_options.h"
#include "core/captions.h"
#include "core/launch_texts.h"
#include "core/printers.h"
#include "core/program_start.h"
#include "core/tools_menu.h"
#include "core/tracker_databases.h"
#include "lang/form_strings.h"
#include "lang/messages.h"
#include "menu_accelerators.h"
#include "menu_bar_fit.h"
#include "desktop_view.h"
#include "password_dialogs.h"
#include "setup_wizard.h"
#include "start_dialogs.h"
#include "session/help.h"
#include "session/module_launch.h"
#include "settings/paths.h"
#include "settings/regional.h"
#include "settings/store_choice.h"
#include "store/table.h"
#include "ui/error_form.h"
#include "ui/error_reporting.h"
#include "ui/message_service.h"
#include "ui/version.h"

namespace orvant::launcher {

namespace {

constexpr int kOptionsMenu = 8, kToolsMenu = 9, kHelpMenu = 10, kExitMenu = 11;
constexpr int kPayrollMenu = 5, kJobCostMenu = 7;
constexpr int kNoWallpaper = 0, kNoUsers = 1, kBooksUnavailable = 2, kNoCompany = 4, kUsersCompanyMissing = 5;
constexpr int kLanguageIncomplete = 15, kRegistryNotSaved = 16, kHelpNotOpened = 17;

bool isYes(const Registry& registry, QStringView name, const char* fallback = "n")
{
    return registry.value(kProductSection, name, QString::fromLatin1(fallback)).trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// A name from the tables shown in a menu as typed: its "&" is no accelerator.
QString shownAsTyped(QString name) { return name.replace(u'&', QStringLiteral("&&")); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), registry_(Registry::open())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Welcome to Orvant"));
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(QStringLiteral("Error_Messages"));
    messages_->hide();
    companyPanel_ = new QLabel(this);
    companyPanel_->setObjectName(QStringLiteral("CompanyPanel"));
    printerPanel_ = new QLabel(this);
    printerPanel_->setObjectName(QStringLiteral("PrinterPanel"));
    wallpaper_ = new QLabel(this);
    wallpaper_->setObjectName(QStringLiteral("Wallpaper"));
    wallpaper_->setScaledContents(true);
    wallpaper_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);  // the window sets the size, not the picture
    setCentralWidget(wallpaper_);
    desktop_ = new DesktopView(wallpaper_, {[this] { return company_.get(); }, [this] { return optionLists_; },
                                            [this](const QString& name) { launch(name); },
                                            [this](int number) { return errorMessage(number); }});
    connect(this, &MainWindow::languageChanged, desktop_, [this] { desktop_->setLanguage(session_.language); });
    statusBar()->addWidget(companyPanel_, 1);
    statusBar()->addPermanentWidget(printerPanel_);
    statusBar()->hide();
    passwordDialog_ = new PasswordDialog(this);
    companyPasswordDialog_ = new CompanyPasswordDialog(this);
    errorForm_ = std::make_unique<ui::ErrorForm>();
    // The launcher's own errors are shown and it stays open.
    reporter_ = std::make_unique<ui::ErrorReporter>(*errorForm_, RegistryLanguage(registry_), [] {});
    session_.language = RegistryLanguage(registry_);
    session_.langCode = session_.language == 2 ? "fr" : "en";
    international_ = InternationalWanted(registry_);
    caption_ = windowTitle();
    setPrinters(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
    restorePosition();
}

void MainWindow::setPrinters(const QStringList& names, const QString& defaultName)
{
    printers_ = names;
    defaultPrinter_ = defaultName;
}

// The first activation runs once the window shows, inside the event loop.
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (activated_) return;
    activated_ = true;
    later([this] { firstActivation(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::restorePosition()
{
    const QStringList form = registry_.value(kProductSection, u"Form", QStringLiteral("520,20,36,750,N")).split(u',');
    if (form.size() == 5 && form[4].trimmed().compare(u"Y", Qt::CaseInsensitive) == 0)
        setGeometry(form[1].toInt(), form[2].toInt(), form[3].toInt(), form[0].toInt());
    else
        resize(form.size() >= 4 ? form[3].toInt() : 750, form.size() >= 1 ? form[0].toInt() : 520);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    ui::Guarded([this] { desktop_->leave(); })();
    if (loggedIn_) {
        const QRect g = geometry();
        if (!registry_.setValue(kProductSection, u"Form", QStringLiteral("%1,%2,%3,%4,Y").arg(g.height()).arg(g.x()).arg(g.y()).arg(g.width())))
            say(kRegistryNotSaved, registry_.path());
    }
    event->accept();
}

void MainWindow::firstActivation()
{
    loadStrings();
    showWallpaper();
    if (!openBooks() || !logIn()) {
        close();
        return;
    }
    enter();
}

// The window filled for the logged-in user, in the user's company.
void MainWindow::enter()
{
    choosePrinter();
    buildMenus();
    bool opened = false;
    try {
        opened = companyOpens(user_.company) && selectCompany(user_.company);
    } catch (const store::StoreError&) {
        // said below: the user cannot work without books
    }
    if (!opened) {
        say(kUsersCompanyMissing);
        close();
        return;
    }
    loggedIn_ = true;
    desktop_->logIn(*dataRoot_, text(user_.code), standardDesktop_, session_.language, text(session_.programDir));
    showCompanyAndPrinter();
    statusBar()->show();
    refreshTitle(WindowTitle::Welcome);
    later([this] { remindAndWelcome(); });
}

// Payroll or job cost installed but not set up: the user is told how, before working. Then the
// welcome, unless the user asked not to see it again.
void MainWindow::remindAndWelcome()
{
    const auto lacks = [this](const char* option, const char* table) {
        const MenuOption* entry = FindOption(QString::fromLatin1(option));
        return entry && !MayRun(rights_, *entry) && company_ && !company_->tableExists(table);
    };
    const bool payroll = isYes(registry_, u"payroll") && lacks("paentry", "pntrx");
    const bool jobCost = isYes(registry_, u"JobCost") && lacks("jcdisplay", "jcctrl");
    if (payroll || jobCost) {
        SetupReminders reminders(payroll, jobCost, QString::fromStdString(session_.printerIndex).toInt(), this);
        lang::LoadFormStrings(reminders, QStringLiteral("MainMenu") + text(session_.langCode), LanguagesDir(registry_));
        reminders.exec();
    }
    if (!isYes(registry_, u"ShowWelcome", "Y")) return;
    WelcomeDialog welcome(this);
    lang::LoadFormStrings(welcome, QStringLiteral("MainMenu") + text(session_.langCode), LanguagesDir(registry_));
    if (welcome.exec() == QDialog::Accepted && !OpenIntroductionHelp(session_))
        say(kHelpNotOpened, IntroductionHelpUrl(session_).toLocalFile());
    if (welcome.notAgain() && !registry_.setValue(kProductSection, u"ShowWelcome", QStringLiteral("N")))
        say(kRegistryNotSaved, registry_.path());
}

// The picture behind the desktop; a missing one is said, and the start goes on.
void MainWindow::showWallpaper()
{
    const QPixmap picture(ProgramDir(registry_) + QStringLiteral("/Orvn32.jpg"));
    if (picture.isNull()) say(kNoWallpaper);
    else wallpaper_->setPixmap(picture);
}

// The user's printer when it is installed, else the system's default; modules get its index.
void MainWindow::choosePrinter()
{
    printer_ = InitialPrinter(printers_, text(user_.printer), defaultPrinter_);
    if (printer_ >= 0) session_.printerIndex = std::to_string(printer_);
}

// For the rest of the run; the user's record keeps its own printer.
void MainWindow::selectPrinter(int position)
{
    printer_ = position;
    session_.printerIndex = std::to_string(position);
    fillPrinterMenu();
    showCompanyAndPrinter();
}

void MainWindow::showCompanyAndPrinter()
{
    companyPanel_->setText(text(session_.companyName));
    printerPanel_->setText(printer_ >= 0 ? printers_.value(printer_) : QString());
}

// Every text of the language is checked before any changes: a language that cannot be loaded
// in full is refused, and the launcher stays whole in the language it had. The user's record
// keeps its own language.
void MainWindow::selectLanguage(int key)
{
    const auto chosen = std::find_if(languages_.begin(), languages_.end(), [key](const LanguageEntry& l) { return l.key == key; });
    QString fault = QStringLiteral("LangCode");
    if (chosen != languages_.end() && IsLanguageCode(chosen->code.toLatin1().constData()))
        fault = MissingLanguageTexts(LanguagesDir(registry_), chosen->code);
    if (!fault.isEmpty()) {
        fillLanguageMenu();  // the entry clicked is checked again by what the session holds
        ui::Messages().show({ui::MessageKind::Error, errorMessage(kLanguageIncomplete) + u'\n' + fault, kLanguageIncomplete, this, false});
        return;
    }
    session_.language = chosen->key;
    session_.langCode = chosen->code.toStdString();
    loadStrings();
    buildMenus();
    showCompanyAndPrinter();
    refreshTitle(WindowTitle::Welcome);
    emit languageChanged();
}

void MainWindow::fillPrinterMenu()
{
    if (!printerMenu_) return;
    printerMenu_->clear();
    for (int position = 0; position < printers_.size(); ++position) {
        QAction* entry = printerMenu_->addAction(shownAsTyped(printers_[position]));
        entry->setObjectName(QStringLiteral("Printer%1").arg(position));
        entry->setCheckable(true);
        entry->setChecked(position == printer_);
        connect(entry, &QAction::triggered, this, ui::Guarded([this, position] { selectPrinter(position); }));
    }
    GiveAccelerators(*printerMenu_);
}

void MainWindow::fillLanguageMenu()
{
    if (!languageMenu_) return;
    languageMenu_->clear();
    for (const LanguageEntry& language : languages_) {
        QAction* entry = languageMenu_->addAction(shownAsTyped(language.name));
        entry->setObjectName(QStringLiteral("MenuItem") + language.code);
        entry->setCheckable(true);
        entry->setChecked(language.key == session_.language);
        connect(entry, &QAction::triggered, this, [this, key = language.key] { later([this, key] { selectLanguage(key); }); });
    }
    GiveAccelerators(*languageMenu_);
}

// `intl` read again (the parameters may have changed it): the captions follow.
void MainWindow::reapplyInternationalSettings()
{
    international_ = InternationalWanted(registry_);
    later([this] {
        if (loggedIn_) buildMenus();
    });
}

void MainWindow::loadStrings()
{
    const QString table = QStringLiteral("MainMenu") + text(session_.langCode);
    const QString dir = LanguagesDir(registry_);
    setWindowTitle(QStringLiteral("Welcome to Orvant"));  // a table without the caption leaves the English one
    for (QWidget* form : std::initializer_list<QWidget*>{this, passwordDialog_, companyPasswordDialog_, errorForm_.get()})
        lang::LoadFormStrings(*form, table, dir);
    caption_ = windowTitle();
}

// The data root's database, its first company made when there is none, and this launcher's
// session number, held until it closes.
bool MainWindow::openBooks()
{
    const company::Installation installation{DataRoot(registry_).toStdString(), StoreChoice(registry_)};
    try {
        dataRoot_ = company::OpenDataRoot(installation);
    } catch (const company::SetupError& e) {
        ui::Messages().show({ui::MessageKind::Error, errorMessage(kBooksUnavailable) + QStringLiteral("\n") + text(e.what()), kBooksUnavailable, this, false});
        return false;
    }
    sessionNumber_ = store::SessionLease::acquire(installation.dataRoot, installation.store);
    session_.sessionNo = sessionNumber_->number();
    session_.dataRoot = installation.dataRoot;
    session_.programDir = ProgramDir(registry_).toStdString();
    store::Table companies(*dataRoot_, "comp");
    companies.open();
    if (companies.isEmpty()) {
        const QList<int> before = CompanyNumbers(*dataRoot_);
        const QString code = QStringLiteral("cmpcreate");
        const LaunchResult created = LaunchModule(ModulesDir(registry_), code, session_, false);
        if (created.status != LaunchResult::Ran && created.status != LaunchResult::Refused)
            ui::Messages().show({ui::MessageKind::Error, LoadErrorText(code, created), -1, this, false});
        // The wizard may change the date format and the currency display: applied at once.
        if (created.status == LaunchResult::Ran && SetUpAddedCompany(this, registry_, session_, *dataRoot_, before)) {
            ApplyRegionalSettings(registry_);
            reapplyInternationalSettings();
        }
    }
    companies.refresh();
    if (companies.isEmpty()) say(kNoCompany);
    return !companies.isEmpty();
}

bool MainWindow::logIn()
{
    const LoginOutcome outcome = Login(*dataRoot_, isYes(registry_, u"DisplayPW", "N"), *passwordDialog_);
    if (outcome.result == LoginOutcome::NoUsers) say(kNoUsers);
    if (outcome.result != LoginOutcome::LoggedIn) return false;
    user_ = outcome.user;
    standardDesktop_ = outcome.standardDesktop;
    const int sessionNo = session_.sessionNo;
    session_ = SessionForUser(registry_, *dataRoot_, user_, sessionNo);
    rights_ = UserSecurity::fromStored(user_.rights);
    languages_ = LoadLanguages(*dataRoot_);
    loadStrings();
    launcher_ = std::make_unique<OptionLauncher>(*this, LaunchSettings{ModulesDir(registry_), isYes(registry_, u"payroll")});
    return true;
}

QMenu* MainWindow::optionMenu(const TopMenu& top)
{
    const int language = session_.language;
    auto* menu = menuBar()->addMenu(top.caption(language));
    for (const HeadEntry& head : top.head) {
        if (head.kind == HeadEntry::Kind::Separator) {
            menu->addSeparator();
        } else if (head.kind == HeadEntry::Kind::TrackerDatabases) {
            trackerMenu_ = menu->addMenu(language == 2 ? QStringLiteral("&Ouvrir une base") : QStringLiteral("&Open database"));
            trackerMenu_->setObjectName(QStringLiteral("TrackerDatabases"));
        } else if (head.kind == HeadEntry::Kind::Shortcut && head.option) {
            QAction* action = menu->addAction(OptionCaption(*head.option, language, international_));
            action->setObjectName(head.name);
            action->setEnabled(MayRun(rights_, *head.option));
            connect(action, &QAction::triggered, this, ui::Guarded([this, name = head.name] { launch(name); }));
        }
    }
    for (std::size_t group = 0; group < top.subMenus.size(); ++group) {
        QMenu* sub = menu->addMenu(top.subMenus[group].caption(language));
        for (const MenuOption* option : OptionsOf(top.position, static_cast<int>(group))) {
            QAction* action = sub->addAction(OptionCaption(*option, language, international_));
            action->setObjectName(option->code);
            action->setEnabled(MayRun(rights_, *option));
            connect(action, &QAction::triggered, this, ui::Guarded([this, code = option->code] { launch(code); }));
        }
    }
    return menu;
}

// What rebuilds the menus runs once the entry that asked for it has finished its own click:
// deleting a menu while it delivers its click would write into freed memory.
void MainWindow::later(std::function<void()> work)
{
    QTimer::singleShot(0, this, ui::Guarded(std::move(work)));
}

// The menus and their entries go with the session they were built for.
void MainWindow::clearMenus()
{
    companyMenu_ = toolsMenu_ = trackerMenu_ = printerMenu_ = languageMenu_ = nullptr;
    const QList<QAction*> entries = menuBar()->actions();
    menuBar()->clear();
    for (QAction* entry : entries)
        if (entry->parent() == menuBar()) delete entry;
    qDeleteAll(menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::buildMenus()
{
    clearMenus();
    const int language = session_.language;
    optionLists_ = OptionListsFor(rights_, language);
    for (const TopMenu& top : TopMenus()) {
        if (top.tag) {
            QMenu* menu = optionMenu(top);
            // Each optional ledger shows by its own setting.
            const bool hidden = (top.position == kPayrollMenu && !isYes(registry_, u"payroll")) ||
                                (top.position == kTrackerMenu && !isYes(registry_, u"tracker")) ||
                                (top.position == kJobCostMenu && !isYes(registry_, u"JobCost"));
            menu->menuAction()->setVisible(!hidden);
        } else if (top.position == kOptionsMenu) {
            addOptionsMenu(top);
        } else if (top.position == kToolsMenu) {
            toolsMenu_ = menuBar()->addMenu(top.caption(language));
            reloadToolsMenu();
        } else if (top.position == kHelpMenu) {
            QMenu* help = menuBar()->addMenu(top.caption(language));
            QAction* contents = help->addAction(language == 2 ? QStringLiteral("&Sommaire") : QStringLiteral("&Contents"));
            contents->setObjectName(QStringLiteral("HelpContents"));
            connect(contents, &QAction::triggered, this, ui::Guarded([this] {
                OpenHelp(HelpFile(text(session_.programDir), session_.language, text(session_.langCode)), 0);
            }));
            QAction* about = help->addAction(language == 2 ? QStringLiteral("À &propos d'Orvant") : QStringLiteral("&About Orvant"));
            about->setObjectName(QStringLiteral("About"));
            connect(about, &QAction::triggered, this, ui::Guarded([this] { showAbout(); }));
        } else if (top.position == kExitMenu) {
            QAction* exit = menuBar()->addAction(top.caption(language));
            exit->setObjectName(QStringLiteral("Exit"));
            connect(exit, &QAction::triggered, this, &QWidget::close);
        }
    }
    GiveAccelerators(*menuBar());
    // No menu hides behind the bar's overflow arrow, whatever ledgers are shown.
    setMinimumWidth(MenuBarWidth(*menuBar()));
}

void MainWindow::addOptionsMenu(const TopMenu& top)
{
    const bool french = session_.language == 2;
    QMenu* options = menuBar()->addMenu(top.caption(session_.language));
    companyMenu_ = options->addMenu(french ? QStringLiteral("&Compagnie") : QStringLiteral("&Company"));
    rebuildCompanyMenu();
    printerMenu_ = options->addMenu(french ? QStringLiteral("Imprimante") : QStringLiteral("Printer"));
    printerMenu_->setObjectName(QStringLiteral("PrinterMenu"));
    fillPrinterMenu();
    languageMenu_ = options->addMenu(french ? QStringLiteral("Langue") : QStringLiteral("Language"));
    languageMenu_->setObjectName(QStringLiteral("LanguageMenu"));
    fillLanguageMenu();
    QMenu* desktop = options->addMenu(french ? QStringLiteral("Bureau") : QStringLiteral("Desktop"));
    QAction* addShortcut = desktop->addAction(french ? QStringLiteral("Ajouter un raccourci") : QStringLiteral("Add shortcut"));
    addShortcut->setObjectName(QStringLiteral("AddShortcut"));
    connect(addShortcut, &QAction::triggered, this, ui::Guarded([this] { desktop_->addShortcut(); }));
    QAction* logout = options->addAction(french ? QStringLiteral("&Quitter la session") : QStringLiteral("&Logout"));
    logout->setObjectName(QStringLiteral("Logout"));
    connect(logout, &QAction::triggered, this, [this] { later([this] { logOut(); }); });
}

// The product, its version (read from the program's own file) and who is working.
void MainWindow::showAbout()
{
    const QString version = ui::VersionString(QCoreApplication::applicationFilePath(), 4);
    const bool french = session_.language == 2;
    const QString text = QStringLiteral("Orvant %1\n\n").arg(version) +
                         (french ? QStringLiteral("Comptes clients, fournisseurs et chèques.\nUtilisateur : %1\nCompagnie : %2")
                                 : QStringLiteral("Receivables, payables and cheques.\nUser: %1\nCompany: %2"))
                             .arg(QString::fromStdString(session_.userName), QString::fromStdString(session_.companyName));
    ui::Messages().show({ui::MessageKind::Plain, text, -1, this, false});
}

// The window as before login: no company, no menus but the way back in and out.
void MainWindow::logOut()
{
    ui::Guarded([this] { desktop_->leave(); })();
    loggedIn_ = false;
    company_.reset();
    launcher_.reset();
    clearMenus();
    statusBar()->hide();
    companyPanel_->clear();
    const bool french = session_.language == 2;
    QAction* login = menuBar()->addAction(french ? QStringLiteral("&Ouvrir une session") : QStringLiteral("&Log in"));
    login->setObjectName(QStringLiteral("Login"));
    connect(login, &QAction::triggered, this, [this] {
        later([this] {
            if (logIn()) enter();
        });
    });
    QAction* exit = menuBar()->addAction(french ? QStringLiteral("&Sortie") : QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    setWindowTitle(caption_);
}

// One entry per company, carrying its number: two companies of one name, or a name with "&",
// still open the right books.
bool MainWindow::companyOpens(int number)
{
    store::Table companies(*dataRoot_, "comp");
    companies.open();
    return companies.findKey({number});
}

void MainWindow::rebuildCompanyMenu()
{
    if (!companyMenu_) return;
    companyMenu_->clear();
    store::Table companies(*dataRoot_, "comp");
    companies.open();
    for (companies.first(); !companies.eof(); companies.next()) {
        const int number = static_cast<int>(companies.field("Comp_Code").asInt());
        QString caption = text(companies.field("Comp_Name").asString());
        QAction* entry = companyMenu_->addAction(caption.replace(u'&', QStringLiteral("&&")));
        entry->setObjectName(QStringLiteral("Company%1").arg(number));
        entry->setCheckable(true);
        entry->setChecked(text(session_.companyCode) == QString::number(number));
        connect(entry, &QAction::triggered, this, [this, number] { later([this, number] { selectCompany(number); }); });
    }
    GiveAccelerators(*companyMenu_);
}

// The company's books are opened and checked before the session switches to them, so a
// company that cannot be worked in leaves the session where it was.
bool MainWindow::selectCompany(int number)
{
    if (!MayEnterCompany(*dataRoot_, number, user_.company, *companyPasswordDialog_)) {
        rebuildCompanyMenu();  // the former company stays checked
        return false;
    }
    store::Table companies(*dataRoot_, "comp");
    companies.open();
    companies.findKey({number});
    Session candidate = session_;
    candidate.companyCode = std::to_string(number);
    candidate.companyName = companies.field("Comp_Name").asString();
    auto books = std::make_unique<store::Database>("launcherdb", candidate.companyDir(), StoreChoice(registry_));
    store::Table control(*books, "ctrl");
    control.open();
    if (session_.companyCode != candidate.companyCode) trackerDatabase_.clear();  // another company's databases
    session_.companyCode = candidate.companyCode;
    session_.companyName = candidate.companyName;
    company_ = std::move(books);
    desktop_->companyChanged();
    companyPanel_->setText(text(session_.companyName));
    rebuildCompanyMenu();
    if (isYes(registry_, u"tracker")) rebuildTrackerMenu();
    return true;
}

// The company's tracker databases; the one chosen is checked, and tracker options work in it.
void MainWindow::rebuildTrackerMenu()
{
    if (!trackerMenu_ || !company_) return;
    trackerMenu_->clear();
    // The database chosen stays chosen while it exists (a new one was created beside it).
    const QString chosen = trackerDatabase_;
    trackerDatabase_.clear();
    for (const TrackerDatabase& database : LoadTrackerDatabases(*company_)) {
        QAction* entry = trackerMenu_->addAction(database.name);
        entry->setObjectName(QStringLiteral("Tracker%1").arg(database.account));
        entry->setCheckable(true);
        if (QString::number(database.account) == chosen) {
            entry->setChecked(true);
            trackerDatabase_ = chosen;
        }
        connect(entry, &QAction::triggered, this, ui::Guarded([this, entry, account = database.account] {
            for (QAction* other : trackerMenu_->actions()) other->setChecked(other == entry);
            trackerDatabase_ = QString::number(account);
        }));
    }
    GiveAccelerators(*trackerMenu_);
}

// After a module that may have changed the companies: the current one's name read again.
void MainWindow::refreshCompanies()
{
    store::Table companies(*dataRoot_, "comp");
    companies.open();
    if (!companies.findKey({std::stoi(session_.companyCode)})) return;
    session_.companyName = companies.field("Comp_Name").asString();
    companyPanel_->setText(text(session_.companyName));
}

// A module may have changed what the open panels list.
void MainWindow::refreshWindow()
{
    update();
    desktop_->refresh();
}

store::Database& MainWindow::companyDatabase()
{
    if (!company_) throw store::StoreError(store::errc::kDirectoryNotFound, "No company is open.");
    return *company_;
}

void MainWindow::reloadToolsMenu()
{
    if (!toolsMenu_) return;
    toolsMenu_->clear();
    const int language = session_.language;
    for (const ToolsEntry& entry : LoadToolsEntries(*dataRoot_)) {
        QAction* action = toolsMenu_->addAction(entry.caption(language));
        action->setObjectName(entry.code);
        action->setToolTip(entry.hint(language));
        action->setEnabled(ToolsEntryEnabled(entry, rights_));
        if (entry.module)
            connect(action, &QAction::triggered, this, ui::Guarded([this, code = entry.code] { launch(code); }));
        else
            connect(action, &QAction::triggered, this, ui::Guarded([entry, language] { ExecuteExe(entry, language); }));
    }
    GiveAccelerators(*toolsMenu_);
}

void MainWindow::launch(const QString& entryName)
{
    // A module runs under this launcher's session number: one lost with the connection that
    // held it and taken meanwhile by another workstation stops the launch, reported as a store error.
    if (sessionNumber_) sessionNumber_->confirm();
    // The window is back whatever the launch met on its way.
    struct Restore {
        MainWindow* window;
        ~Restore()
        {
            window->setEnabled(true);
            QApplication::restoreOverrideCursor();
            window->activateWindow();
        }
    };
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Restore restore{this};
    launcher_->launch(entryName);
}

QString MainWindow::errorMessage(int number) const
{
    return lang::MessageText(*this, number).value_or(QStringLiteral("(message %1)").arg(number));
}

void MainWindow::say(int message, const QString& detail)
{
    const QString text = detail.isEmpty() ? errorMessage(message) : errorMessage(message) + u'\n' + detail;
    ui::Messages().show({ui::MessageKind::Error, text, message, this, false});
}

// One title at login, after a language switch and after every launch.
void MainWindow::refreshTitle(WindowTitle title)
{
    const QString caption = title == WindowTitle::AfterToolsMaintenance ? caption_ + QStringLiteral("/Brisko") : caption_;
    setWindowTitle(LauncherTitle(caption, session_.language, QDate::currentDate()));
}

}  // namespace orvant::launcher
