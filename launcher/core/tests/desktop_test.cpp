// The desktop without its widgets: the panel size steps, each user's desktop saved and read
// back, unreadable rows passed over, who saves and when, rights to panels, and the panel grids
// reading their tables a page at a time.

#include <gtest/gtest.h>

#include "core/desktop_grid_model.h"
#include "core/desktop_sizes.h"
#include "core/desktop_store.h"
#include "launch_test_support.h"
#include "store/table.h"

namespace orvant::launcher::testing {
namespace {

TEST(DesktopSizes, steps_in_whole_pixels_and_never_below_the_minimum)
{
    struct Row {
        QSize from;
        SizeStep step;
        bool enlarge;
        QSize expected;
    };
    const Row rows[] = {
        {{200, 100}, SizeStep::Menu, true, {230, 115}},   {{200, 100}, SizeStep::Button, true, {230, 125}},
        {{230, 115}, SizeStep::Menu, false, {200, 100}},  {{230, 125}, SizeStep::Button, false, {200, 100}},
        {{90, 60}, SizeStep::Menu, true, {103, 69}},      {{90, 60}, SizeStep::Button, true, {103, 75}},
        {{95, 62}, SizeStep::Button, false, {90, 60}},    {{10, 10}, SizeStep::Menu, true, {103, 69}},
    };
    for (const Row& row : rows) {
        const QSize got = row.enlarge ? Enlarged(row.from, row.step) : Reduced(row.from, row.step);
        EXPECT_EQ(got, row.expected) << row.from.width() << "x" << row.from.height();
    }
    for (SizeStep step : {SizeStep::Menu, SizeStep::Button}) {
        QSize size{200, 100};
        for (int i = 0; i < 20; ++i) size = Reduced(size, step);
        EXPECT_EQ(size, kMinimumPanelSize);
        EXPECT_GT(Enlarged(size, step).width(), kMinimumPanelSize.width());
    }
}

class DesktopStoreTest : public LaunchTest {
protected:
    DesktopState arranged(const QString& caption, QPoint at) const
    {
        DesktopState desktop = standard_;
        desktop.icons.append({"rcvsalesS", caption, "/pictures/sales.bmp", at});
        desktop.panels[0] = {{10, 20, 300, 200}, true};
        desktop.gridColumns[0] = {80, 200};
        desktop.thingsToDo = "<b>Call the bank</b>";
        return desktop;
    }
    std::int64_t rowsOf(const char* user)
    {
        store::Table rows(dataRoot_, "Desktop");
        rows.open();
        rows.setRange({user}, {user});
        return rows.recordCount();
    }
    void addRow(const char* user, int type, int index, const char* state)
    {
        store::Table rows(dataRoot_, "Desktop");
        rows.open();
        rows.insert();
        rows.field("Desktop_user") = user;
        rows.field("Desktop_Component_type") = type;
        rows.field("Desktop_ComponentIndex") = index;
        rows.field("Desktop_Component") = state;
        rows.post();
    }

    store::Database dataRoot_{"dataroot", home_.installation().dataRoot, {}};
    const DesktopState standard_ = StandardDesktop("/opt/Orvant/bin", 1);
};

TEST_F(DesktopStoreTest, each_user_keeps_a_desktop_of_their_own_saved_again_in_place)
{
    const DesktopState a = arranged("Sales", {300, 250}), b = arranged("Ventes", {40, 400});
    SaveDesktop(dataRoot_, "A", a);
    SaveDesktop(dataRoot_, "B", b);
    SaveDesktop(dataRoot_, "A", a);
    EXPECT_EQ(rowsOf("A"), EncodeDesktop(a).size()) << "saved again, not appended";
    EXPECT_EQ(RestoreDesktop(dataRoot_, "A", standard_).desktop, a);
    EXPECT_EQ(RestoreDesktop(dataRoot_, "B", standard_).desktop, b);
    EXPECT_FALSE(RestoreDesktop(dataRoot_, "C", standard_).desktop) << "no rows: the standard desktop stays";
}

TEST_F(DesktopStoreTest, rows_that_cannot_be_read_are_passed_over)
{
    addRow("A", 0, 0, R"({"picture":"/p/wall.jpg"})");
    addRow("A", 1, 1, "not json");
    addRow("A", 1, 2, R"({"name":"vndpurchasesS","caption":"Purchases","picture":"","x":5,"y":6})");
    addRow("A", 1, 3, R"({"name":"vndpurchasesS","caption":"Twice","picture":"","x":5,"y":6})");
    addRow("A", 2, 7, R"({"x":1,"y":1,"width":100,"height":100,"visible":true})");
    addRow("A", 2, 1, R"({"x":1,"y":2,"width":0,"height":100,"visible":true})");
    addRow("A", 9, 0, "{}");
    addRow("A", 3, 2, R"({"columns":[60,"wide"]})");
    const RestoredDesktop restored = RestoreDesktop(dataRoot_, "A", standard_);
    ASSERT_TRUE(restored.desktop);
    EXPECT_EQ(restored.skipped, 6);
    EXPECT_EQ(restored.desktop->wallpaper, "/p/wall.jpg");
    ASSERT_EQ(restored.desktop->icons.size(), 1) << "the standard icons give way to the saved ones";
    EXPECT_EQ(restored.desktop->icons[0].caption, "Purchases");
    EXPECT_EQ(restored.desktop->panels, standard_.panels);
}

TEST(DesktopKeeperTest, a_changed_desktop_is_saved_once_for_the_user_who_had_it)
{
    struct Row {
        const char* name;
        bool logIn, standard, change;
        std::optional<QString> saved;
    };
    const Row rows[] = {
        {"unchanged", true, false, false, std::nullopt},
        {"changed", true, false, true, "A"},
        {"standard desktop asked", true, true, false, "A"},
        {"login cancelled", false, false, true, std::nullopt},
    };
    for (const Row& row : rows) {
        DesktopKeeper keeper;
        if (row.logIn) keeper.loggedIn("A", row.standard);
        if (row.change) keeper.markChanged();
        EXPECT_EQ(keeper.leave(), row.saved) << row.name;
        keeper.markChanged();
        EXPECT_EQ(keeper.leave(), std::nullopt) << row.name << ": closing after the logout saves nothing";
    }
}

TEST(DesktopPanelsTest, a_panel_opens_for_a_user_who_may_run_its_inquiry)
{
    EXPECT_TRUE(MayOpenPanel(PanelOf(PanelKind::Clients), {"rcvinquiry"}));
    EXPECT_FALSE(MayOpenPanel(PanelOf(PanelKind::Clients), {"vndinquiry", "rcvclients"}));
    EXPECT_FALSE(MayOpenPanel(PanelOf(PanelKind::Accounts), {}));
    EXPECT_TRUE(MayOpenPanel(PanelOf(PanelKind::ThingsToDo), {}));
}

class PanelGridTest : public LaunchTest {
protected:
    void addClients(int count)
    {
        store::Table clients(host_.companyDatabase(), "cli");
        clients.open();
        for (int i = 0; i < count; ++i) {
            clients.insert();
            clients.field("Cli_code") = QStringLiteral("ZZ%1").arg(i, 4, 10, QChar('0')).toStdString();
            clients.field("Cli_name") = "Paged client";
            clients.post();
        }
    }
    std::int64_t clientCount()
    {
        store::Table clients(host_.companyDatabase(), "cli");
        clients.open();
        return clients.recordCount();
    }
};

TEST_F(PanelGridTest, the_grid_reads_a_page_at_a_time_and_again_after_a_change)
{
    addClients(PanelGridModel::kPageRows + 10);
    PanelGridModel grid(PanelOf(PanelKind::Clients), 2);
    ASSERT_TRUE(grid.open(host_.companyDatabase()));
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "No client");
    EXPECT_EQ(grid.rowCount(), PanelGridModel::kPageRows) << "the first page is read as the grid opens";
    grid.fetchMore({});
    EXPECT_EQ(grid.rowCount(), std::min<std::int64_t>(2 * PanelGridModel::kPageRows, clientCount()));
    while (grid.canFetchMore({})) grid.fetchMore({});
    EXPECT_EQ(grid.rowCount(), clientCount());
    EXPECT_EQ(grid.index(grid.rowCount() - 1, 0).data().toString(), QString("ZZ%1").arg(PanelGridModel::kPageRows + 9, 4, 10, QChar('0')));

    addClients(0);
    store::Table clients(host_.companyDatabase(), "cli");
    clients.open();
    clients.insert();
    clients.field("Cli_code") = "ZZZZ";
    clients.post();
    grid.reload();
    EXPECT_EQ(grid.rowCount(), PanelGridModel::kPageRows) << "the first page is read again";
    while (grid.canFetchMore({})) grid.fetchMore({});
    EXPECT_EQ(grid.index(grid.rowCount() - 1, 0).data().toString(), "ZZZZ");
}

TEST_F(PanelGridTest, a_panel_whose_table_is_missing_does_not_open)
{
    if (host_.companyDatabase().tableExists("emp")) host_.companyDatabase().dropTable("emp");
    PanelGridModel grid(PanelOf(PanelKind::Employees), 1);
    EXPECT_FALSE(grid.open(host_.companyDatabase()));
    EXPECT_FALSE(grid.isOpen());
    EXPECT_EQ(grid.rowCount(), 0);
}

}  // namespace
}  // namespace orvant::launcher::testing
