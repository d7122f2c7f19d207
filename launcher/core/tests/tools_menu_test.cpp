// The Tools menu and the tracker databases: `apps.DB` made with its one entry when missing,
// the tools maintenance given every option, separate programs started without a shell in their
// own directory, and `trkdb.db` read in account order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QThread>

#include "options/option_registry.h"
#include "core/program_start.h"
#include "core/tools_menu.h"
#include "core/tracker_databases.h"
#include "launch_test_support.h"
#include "store/table.h"

namespace orvant::launcher::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ToolsMenuTest : public LaunchTest {
protected:
    store::Database dataRoot_{"dataroot", home_.installation().dataRoot, {}};
};

TEST_F(ToolsMenuTest, a_data_root_without_apps_gets_it_with_the_tools_maintenance_entry)
{
    dataRoot_.dropTable("apps");
    const std::vector<ToolsEntry> entries = LoadToolsEntries(dataRoot_);
    ASSERT_EQ(entries.size(), 1u);
    const ToolsEntry& maintenance = entries[0];
    EXPECT_EQ(maintenance.caption(1), "Maintenance of Tools menu");
    EXPECT_EQ(maintenance.caption(2), "Maintenance du menu Outils");
    EXPECT_EQ(maintenance.code, "toolsmaint");
    EXPECT_EQ(maintenance.hint(1), "Security like Maintenance of parameters");
    EXPECT_EQ(maintenance.hint(2), "Sécurité comme Maintenance des paramètres");
    EXPECT_EQ(maintenance.security, "sysparams");
    EXPECT_TRUE(maintenance.module);
    EXPECT_TRUE(maintenance.directory.isEmpty());

    EXPECT_EQ(LoadToolsEntries(dataRoot_).size(), 1u) << "made once";
}

TEST_F(ToolsMenuTest, the_tools_maintenance_is_given_every_option_whatever_the_rights)
{
    install("toolsprobe", "toolsmaint");
    host_.session().language = 2;
    EXPECT_EQ(launcher_.launch(u"toolsmaint"), LaunchOutcome::Ran);
    const QStringList names = qApp->property("toolsprobe.names").toStringList();
    const QStringList codes = qApp->property("toolsprobe.codes").toStringList();
    ASSERT_EQ(codes.size(), static_cast<qsizetype>(MenuOptions().size()));
    ASSERT_EQ(names.size(), codes.size());
    for (qsizetype i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i], MenuOptions()[i].code);
        EXPECT_EQ(names[i], MenuOptions()[i].french);
    }
    EXPECT_EQ(host_.events, QStringList({"companies", "tools menu", "window", "tools title"}));
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(ToolsMenuTest, a_missing_tools_maintenance_says_so_with_the_file_not_found_number)
{
    EXPECT_EQ(launcher_.launch(u"toolsmaint"), LaunchOutcome::NotLoaded);
    EXPECT_THAT(shownTexts(), ElementsAre("error loading toolsmaint  1157"));
}

ToolsEntry program(const QString& name, const QString& directory = {})
{
    ToolsEntry entry;
    entry.code = name;
    entry.module = false;
    entry.directory = directory;
    return entry;
}

// A program that writes the directory it runs in into "started.txt" there.
QString writeProgram(const QString& directory)
{
    const QString path = directory + "/whereami";
    QFile program(path);
    program.open(QIODevice::WriteOnly);
    program.write("#!/bin/sh\npwd > started.txt\n");
    program.close();
    program.setPermissions(program.permissions() | QFile::ExeOwner);
    return path;
}

QString waitForText(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromLocal8Bit(file.readAll()).trimmed();
            if (!text.isEmpty()) return text;
        }
        QThread::msleep(20);
    }
    return {};
}

TEST_F(ToolsMenuTest, a_program_starts_in_its_directory_and_the_launcher_stays_where_it_was)
{
    const QString before = QDir::currentPath();
    const QString directory = scratch_.filePath("tools");
    QDir().mkpath(directory);
    writeProgram(directory);
    EXPECT_TRUE(ExecuteExe(program("whereami", directory), 1));
    EXPECT_EQ(waitForText(directory + "/started.txt"), QFileInfo(directory).canonicalFilePath());
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(ToolsMenuTest, a_program_name_that_is_a_path_or_not_in_the_entrys_folder_starts_nothing)
{
    EXPECT_FALSE(ExecuteExe(program("../whereami", scratch_.path()), 1));
    EXPECT_FALSE(ExecuteExe(program("sh -c 'touch x'"), 1));
    EXPECT_FALSE(ExecuteExe(program("no_such_program_here"), 1));
    EXPECT_FALSE(ExecuteExe(program("true"), 1)) << "a program of the PATH is not the entry's";
    EXPECT_FALSE(ExecuteExe(program("true", scratch_.path()), 1)) << "nor is it found from the entry's folder";
    ASSERT_EQ(messages_.shown().size(), 5u);
    EXPECT_EQ(messages_.shown()[2].message.text, "error loading option no_such_program_here  1157");
}

TEST_F(ToolsMenuTest, tracker_databases_are_listed_by_account_and_their_table_made_when_missing)
{
    store::Database& company = host_.companyDatabase();
    company.dropTable("trkdb");
    EXPECT_THAT(LoadTrackerDatabases(company), IsEmpty());
    ASSERT_TRUE(company.tableExists("trkdb"));

    store::Table trackers(company, "trkdb");
    trackers.open();
    for (auto [account, name] : {std::pair(20, "Service calls"), std::pair(7, "Sales leads")}) {
        trackers.insert();
        trackers.field("Trkdb_account") = account;
        trackers.field("Trkdb_name") = name;
        trackers.field("Trkdb_type") = 1;
        trackers.post();
    }
    const std::vector<TrackerDatabase> listed = LoadTrackerDatabases(company);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].account, 7);
    EXPECT_EQ(listed[0].name, "Sales leads");
    EXPECT_EQ(listed[1].account, 20);
}

}  // namespace
}  // namespace orvant::launcher::testing
