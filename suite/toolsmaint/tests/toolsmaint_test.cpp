// The Tools menu's maintenance, run as the launcher runs it: with the option lists after the
// session record.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "company/company_creation.h"
#include "session/module_launch.h"
#include "session/tools_maintenance_entry.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

LaunchResult runWithOptions(const Session& session)
{
    const char* names[] = {"Maintenance of parameters", "Sales and adjustments "};
    const char* codes[] = {"sysparams", ""};  // no right to the second: it cannot be chosen
    return LaunchModule(ORVANT_TEST_MODULES, "toolsmaint", session, false, [&](void* entry, const TLinkSection& link) {
        return reinterpret_cast<ToolsMaintenanceEntry>(entry)(link, TOptionList{names, 2}, TOptionList{codes, 2});
    });
}

TEST(ToolsMaintenance, entries_are_added_with_the_right_of_an_option_and_removed_when_confirmed)
{
    testing::ModuleTestHome home(ORVANT_TEST_LANGUAGES);
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope(messages);
    messages.answerNext(ui::Answer::Yes);

    int rowsAtStart = -1, securityChoices = -1;
    // A path is refused as a code; the entry is then given a name.
    testing::WhenShown path("TToolsEntry_dlg", [&](QWidget& dialog) {
        dialog.findChild<QLineEdit*>("CodeEdit")->setText("../evil");
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    testing::WhenShown entry("TToolsEntry_dlg", [&](QWidget& dialog) {
        securityChoices = dialog.findChild<QComboBox*>("SecurityCombo")->count();
        dialog.findChild<QLineEdit*>("NameEdit")->setText("Calculator");
        dialog.findChild<QLineEdit*>("CodeEdit")->setText("galculator");
        dialog.findChild<QComboBox*>("SecurityCombo")->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>("ModuleCheck")->setChecked(false);
        dialog.findChild<QPushButton*>("OKBtn")->click();
    }, [&] { return !messages.shown().empty(); });
    testing::WhenShown main("Ttoolsmaint_frm", [&](QWidget& form) {
        auto* grid = form.findChild<QTableWidget*>("EntriesGrid");
        rowsAtStart = grid->rowCount();
        form.findChild<QPushButton*>("AddButton")->click();
        grid->selectRow(0);
        form.findChild<QPushButton*>("RemoveButton")->click();
        form.findChild<QPushButton*>("CloseButton")->click();
    });
    EXPECT_EQ(runWithOptions(home.session()).returned, -1);

    EXPECT_EQ(rowsAtStart, 1) << "a new data root has the maintenance's own entry";
    EXPECT_EQ(securityChoices, 2) << "none, and the one option with a code";
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].message.number, 0) << "the path was refused";
    EXPECT_EQ(messages.shown()[1].message.number, 1);

    const auto root = company::OpenDataRoot(home.installation());
    store::Table apps(*root, "apps");
    apps.open();
    ASSERT_EQ(apps.recordCount(), 1);
    apps.first();
    EXPECT_EQ(apps.field("Application_pgm").asString(), "galculator");
    EXPECT_EQ(apps.field("Application_security").asString(), "sysparams");
    EXPECT_FALSE(apps.field("Application_type").asBool());
}

}  // namespace
}  // namespace orvant
