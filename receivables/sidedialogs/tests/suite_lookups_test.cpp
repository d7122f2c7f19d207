// The project dialog over the suite's own pickers, as the sales screen opens it: F2 in the
// project column opens the project list, in the phase column the phase list, and each choice
// lands in its cell.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "company/company_creation.h"
#include "company/record.h"
#include "sidedialogs/project_dialog.h"
#include "sidedialogs/project_lookups.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant::sidedialogs {
namespace {

// Chooses the row of the picker's list that `filter` leaves first.
std::function<void(QWidget&)> choose(QString filter)
{
    return [filter = std::move(filter)](QWidget& picker) {
        auto* search = picker.findChild<QLineEdit*>(QStringLiteral("edtFind"));
        ASSERT_TRUE(search);
        search->setText(filter);
        QTest::keyClick(search, Qt::Key_Return);
    };
}

TEST(SuiteProjectLookups, f2_opens_the_suites_project_and_phase_lists_and_writes_the_choice)
{
    testing::ModuleTestHome home(ORVANT_TEST_LANGUAGES);
    const auto books = company::OpenCompany(home.installation(), 1);
    {
        store::Table projects(*books, "jcProject"), phases(*books, "jcPhase");
        projects.open();
        phases.open();
        for (const char* project : {"MTL-2024", "QC-BRIDGE"}) company::addRecord(projects, {{"JcProject_No", project}, {"JcProject_Fact", 1}});
        for (const char* phase : {"FOUNDATION", "FRAMING"}) company::addRecord(phases, {{"JcPhase_Code", phase}});
    }
    ui::RecordingMessages messages;
    ui::MessageServiceScope recording(messages);
    QWidget screen;

    Tproject_dlg dialog;
    std::unique_ptr<testing::WhenShown> projectList, phaseList;
    testing::WhenShown user(dialog.objectName(), [&](QWidget& w) {
        auto& grid = *w.findChild<QTableView*>(QStringLiteral("ProjectGrid"));
        projectList = std::make_unique<testing::WhenShown>(QStringLiteral("jobproject"), choose(QStringLiteral("bridge")));
        grid.setCurrentIndex(grid.model()->index(0, 0));
        QTest::keyClick(&grid, Qt::Key_F2);
        phaseList = std::make_unique<testing::WhenShown>(QStringLiteral("jobphase"), choose(QStringLiteral("fram")));
        grid.setCurrentIndex(grid.model()->index(0, 1));
        QTest::keyClick(&grid, Qt::Key_F2);
        grid.setCurrentIndex(grid.model()->index(0, 2));
        QTest::keyClicks(&grid, QStringLiteral("5"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    QTimer watchdog;  // a list that never closed would leave the dialog open
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&dialog] {
        ADD_FAILURE() << "the dialog stayed open";
        dialog.done(QDialog::Rejected);
    });
    watchdog.start(10000);
    const auto lines = dialog.run(Money::fromUnits(5), *books, screen, SuiteProjectLookups(home.session()));
    EXPECT_TRUE(user.acted());
    EXPECT_TRUE(projectList && projectList->acted());
    EXPECT_TRUE(phaseList && phaseList->acted());
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ((*lines)[0].project, "QC-BRIDGE");
    EXPECT_EQ((*lines)[0].phase, "FRAMING");
    EXPECT_EQ((*lines)[0].amount, Money::fromUnits(5));
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant::sidedialogs
