// The desktop in the real launcher window: panels stepped with their buttons kept at the top
// right, each user's desktop kept apart, a cancelled login and the standard desktop, rights and
// missing tables when a panel opens.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "company/company_creation.h"
#include "company/users.h"
#include "core/desktop_store.h"
#include "desktop_panel.h"
#include "desktop_view.h"
#include <QLabel>
#include <QListWidget>
#include "main_window.h"
#include "options/rights.h"
#include "store/table.h"
#include "launcher_home_test.h"

namespace orvant::launcher {
namespace {

TEST(DesktopPanelTest, after_each_step_the_buttons_sit_top_right_over_a_grid_filling_the_rest)
{
    struct Row {
        bool enlarge;
        SizeStep step;
        int times;
        QSize expected;
    };
    const Row rows[] = {{true, SizeStep::Menu, 1, {230, 115}},
                        {true, SizeStep::Button, 1, {230, 125}},
                        {false, SizeStep::Button, 20, kMinimumPanelSize},
                        {false, SizeStep::Menu, 20, kMinimumPanelSize}};
    for (const Row& row : rows) {
        QWidget desktop;
        desktop.resize(800, 600);
        DesktopPanel panel(PanelOf(PanelKind::Clients), 1, &desktop);
        panel.setGeometry(10, 10, 200, 100);
        desktop.show();
        for (int i = 0; i < row.times; ++i) panel.step(row.enlarge, row.step);
        QCoreApplication::processEvents();
        EXPECT_EQ(panel.size(), row.expected);
        const QRect close = panel.findChild<QToolButton*>("ClientsCloseBtn")->geometry();
        const QPoint closeAt = panel.findChild<QToolButton*>("ClientsCloseBtn")->mapTo(&panel, QPoint(close.width(), 0));
        EXPECT_LE(closeAt.x(), panel.width());
        EXPECT_GE(closeAt.x(), panel.width() - 23) << "the close button at the right edge";
        EXPECT_LT(closeAt.y(), kPanelBand);
        const QRect grid = panel.grid()->geometry();
        EXPECT_EQ(grid.top(), kPanelBand);
        EXPECT_EQ(grid.size(), QSize(panel.width(), panel.height() - kPanelBand));
    }
}

class DesktopWindowTest : public LauncherHomeTest {
protected:
    void SetUp() override
    {
        LauncherHomeTest::SetUp();
        company::AddUser(home_.installation(), {"A", "Alice", 1, 1, 0, "", UserSecurity::full().stored()}, "PWA");
        company::AddUser(home_.installation(), {"B", "Bruno", 1, 1, 0, "", UserSecurity().stored()}, "PWB");
    }

    // A launcher logged in with the password, or cancelled when there is none.
    std::unique_ptr<MainWindow> start(const QString& password, bool standardDesktop = false)
    {
        testing::WhenShown answer("PasswordDlg", [&](QWidget& dialog) {
            if (password.isEmpty()) return dialog.findChild<QPushButton*>("CancelBtn")->click();
            dialog.findChild<QLineEdit*>("Password")->setText(password);
            dialog.findChild<QCheckBox*>("StandardDesktop")->setChecked(standardDesktop);
            dialog.findChild<QPushButton*>("OKBtn")->click();
        });
        auto window = std::make_unique<MainWindow>();
        window->show();
        waitFor([&] { return window->loggedIn() || (answer.acted() && !window->isVisible()); });
        return window;
    }
    bool panelShown(MainWindow& window, const char* name)
    {
        auto* panel = window.findChild<QWidget*>(name);
        return panel && !panel->isHidden();
    }
    std::optional<DesktopState> saved(const char* user)
    {
        const auto root = company::OpenDataRoot(home_.installation());
        return RestoreDesktop(*root, user, StandardDesktop(QString(), 1)).desktop;
    }
};

TEST_F(DesktopWindowTest, each_user_finds_their_own_desktop_and_a_cancelled_login_writes_nothing)
{
    {
        auto alice = start("PWA");
        ASSERT_TRUE(alice->loggedIn());
        alice->findChild<QToolButton*>("ClientsIcon")->click();
        EXPECT_TRUE(panelShown(*alice, "ClientsPanel"));
        alice->close();
    }
    {
        auto bruno = start("PWB");
        ASSERT_TRUE(bruno->loggedIn());
        EXPECT_FALSE(panelShown(*bruno, "ClientsPanel")) << "Alice's desktop is hers";
        bruno->findChild<QToolButton*>("ClientsIcon")->click();
        EXPECT_FALSE(panelShown(*bruno, "ClientsPanel")) << "no right to the client inquiry";
        bruno->close();
    }
    EXPECT_FALSE(saved("B")) << "an unchanged desktop is not saved";
    const std::optional<DesktopState> alices = saved("A");
    ASSERT_TRUE(alices && alices->panels[0].visible);

    auto cancelled = start(QString());
    EXPECT_FALSE(cancelled->loggedIn());
    EXPECT_EQ(saved("A"), alices);
    EXPECT_FALSE(saved("B"));

    auto again = start("PWA");
    EXPECT_TRUE(panelShown(*again, "ClientsPanel"));
    again->close();
}

TEST_F(DesktopWindowTest, the_standard_desktop_replaces_the_saved_one_when_the_launcher_closes)
{
    {
        const auto root = company::OpenDataRoot(home_.installation());
        DesktopState arranged = StandardDesktop(QString(), 1);
        arranged.panels[0].visible = true;
        SaveDesktop(*root, "A", arranged);
        SaveDesktop(*root, "B", arranged);
    }
    auto bruno = start("PWB");
    EXPECT_FALSE(panelShown(*bruno, "ClientsPanel")) << "rights are checked when a panel is restored";
    bruno->close();

    auto alice = start("PWA", true);
    EXPECT_FALSE(panelShown(*alice, "ClientsPanel"));
    alice->close();
    ASSERT_TRUE(saved("A"));
    EXPECT_FALSE(saved("A")->panels[0].visible);
}

TEST_F(DesktopWindowTest, enter_on_an_icon_opens_and_closes_its_panel_but_one_whose_table_is_missing_says_so)
{
    {
        const auto books = company::OpenCompany(home_.installation(), 1);
        if (books->tableExists("emp")) books->dropTable("emp");
    }
    auto alice = start("PWA");
    ASSERT_TRUE(alice->loggedIn());
    auto* icon = alice->findChild<QToolButton*>("SuppliersIcon");
    for (const bool shown : {true, false}) {
        QTest::keyClick(icon, Qt::Key_Return);
        EXPECT_EQ(panelShown(*alice, "SuppliersPanel"), shown);
    }
    alice->findChild<QToolButton*>("EmployeesIcon")->click();
    EXPECT_FALSE(panelShown(*alice, "EmployeesPanel"));
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown().back().message.text, "This list cannot be opened: the company has no such table.");
    alice->close();
}

// The standard desktop's icons all show whole in the window at its first size.
TEST_F(DesktopWindowTest, a_desktop_that_cannot_be_read_gives_the_standard_one_and_the_login_goes_on)
{
    company::OpenDataRoot(home_.installation())->dropTable("Desktop");
    auto alice = start("PWA");
    ASSERT_TRUE(alice->loggedIn());
    const auto* desktop = alice->findChild<DesktopView*>("Desktop");
    for (const PanelDef& panel : Panels()) {
        const auto* icon = alice->findChild<QToolButton*>(QLatin1String(panel.iconName));
        ASSERT_NE(icon, nullptr) << panel.iconName;
        EXPECT_TRUE(desktop->rect().contains(icon->geometry())) << panel.iconName;
    }
    EXPECT_NE(alice->findChild<QAction*>("rcvclients"), nullptr) << "the menus are built";
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_THAT(messages_.shown().back().message.text.toStdString(),
                ::testing::StartsWith("Your desktop could not be read: the standard desktop is shown.\n"));
    alice->close();
}

// Adds the shortcut of the option `code` through the dialog, as the user would.
void addShortcut(MainWindow& window, const QString& code)
{
    int row = 0;
    while (MenuOptions()[static_cast<std::size_t>(row)].code != code) ++row;
    testing::WhenShown choose("ShortcutDlg", [row](QWidget& dialog) {
        dialog.findChild<QListWidget*>("OptionList")->setCurrentRow(row);
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    window.findChild<DesktopView*>("Desktop")->addShortcut();
}

TEST_F(DesktopWindowTest, a_shortcut_is_added_once_and_only_for_an_option_the_user_may_run)
{
    auto bruno = start("PWB");
    addShortcut(*bruno, "rcvsales");
    EXPECT_EQ(bruno->findChild<QToolButton*>("rcvsalesS"), nullptr);
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown().back().message.text, "You do not have the right to run this option.");
    bruno->close();

    auto alice = start("PWA");
    addShortcut(*alice, "rcvsales");
    ASSERT_NE(alice->findChild<QToolButton*>("rcvsalesS"), nullptr);
    EXPECT_EQ(alice->findChild<QToolButton*>("rcvsalesS")->pos(), QPoint(296, 256));
    const std::size_t said = messages_.shown().size();
    addShortcut(*alice, "rcvsales");
    ASSERT_EQ(messages_.shown().size(), said + 1);
    EXPECT_EQ(messages_.shown().back().message.text, "This shortcut is already on the desktop.");
    EXPECT_EQ(alice->findChildren<QToolButton*>("rcvsalesS").size(), 1);
    alice->close();
    const std::optional<DesktopState> alices = saved("A");
    ASSERT_TRUE(alices);
    EXPECT_TRUE(std::any_of(alices->icons.begin(), alices->icons.end(), [](const ShortcutState& icon) { return icon.name == "rcvsalesS"; }));
}

TEST_F(DesktopWindowTest, the_next_user_on_the_same_launcher_gets_their_wallpaper_or_the_standard_never_the_last_ones)
{
    const QString own = home_.path("own.png"), standardPicture = StandardDesktop(QStringLiteral(ORVANT_BUILD "/Orvant/bin"), 1).wallpaper;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(own));
    QFile notAPicture(home_.path("text.jpg"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("not a picture") > 0);
    notAPicture.close();
    const QString brunosWallpapers[] = {QStringLiteral("/nowhere/gone.jpg"), notAPicture.fileName()};
    for (const QString& brunosWallpaper : brunosWallpapers) {
        {
            const auto root = company::OpenDataRoot(home_.installation());
            DesktopState alices = StandardDesktop(QString(), 1), brunos = alices;
            alices.wallpaper = own;
            SaveDesktop(*root, "A", alices);
            brunos.wallpaper = brunosWallpaper;
            SaveDesktop(*root, "B", brunos);
        }
        auto window = start("PWA");
        ASSERT_TRUE(window->loggedIn());
        auto* desktop = window->findChild<DesktopView*>("Desktop");
        const auto shownSize = [&] { return window->findChild<QLabel*>("Wallpaper")->pixmap().size(); };
        EXPECT_EQ(desktop->state().wallpaper.toStdString(), own.toStdString());
        EXPECT_EQ(shownSize(), QSize(8, 8));
        window->findChild<QAction*>("Logout")->trigger();
        ASSERT_TRUE(waitFor([&] { return !window->loggedIn(); }));
        EXPECT_NE(shownSize(), QSize(8, 8)) << "the picture of the user who left is not shown";
        testing::WhenShown answer("PasswordDlg", [](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("Password")->setText("PWB");
            dialog.findChild<QPushButton*>("OKBtn")->click();
        });
        window->findChild<QAction*>("Login")->trigger();
        ASSERT_TRUE(waitFor([&] { return window->loggedIn(); }));
        EXPECT_EQ(desktop->state().wallpaper.toStdString(), standardPicture.toStdString()) << brunosWallpaper.toStdString();
        EXPECT_EQ(shownSize(), QPixmap(standardPicture).size()) << brunosWallpaper.toStdString();
        window->close();
    }
}

TEST_F(DesktopWindowTest, the_open_panels_follow_a_change_of_language)
{
    auto alice = start("PWA");
    alice->findChild<QToolButton*>("ClientsIcon")->click();
    const auto clientRows = [&] {
        auto* grid = alice->findChild<QTableView*>("ClientsGrid");
        return grid ? grid->model()->rowCount() : -1;
    };
    const int englishRows = clientRows();
    ASSERT_GT(englishRows, 0) << "the grid shows its first page as it opens";
    QAction* french = alice->findChild<QAction*>("MenuItemfr");
    ASSERT_NE(french, nullptr);
    french->trigger();
    ASSERT_TRUE(waitFor([&] {
        auto* title = alice->findChild<QLabel*>("ClientsTitle");
        return title && title->text() == "Liste des clients";
    }));
    EXPECT_TRUE(panelShown(*alice, "ClientsPanel"));
    EXPECT_EQ(alice->findChild<QToolButton*>("SuppliersIcon")->text(), "Fournisseurs");
    EXPECT_EQ(clientRows(), englishRows) << "the panel made again reads its first page";
    alice->close();
}

}  // namespace
}  // namespace orvant::launcher
