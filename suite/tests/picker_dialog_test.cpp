// The picker dialog over the demo company's clients: what it opens on, how typing filters, how
// the keys and the mouse choose, a long table read a batch at a time, and a read that fails.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "company/company_creation.h"
#include "company/record.h"
#include "picker/lookup_model.h"
#include "picker/picker_dialog.h"
#include "store/table.h"
#include "testing/module_test_home.h"

namespace orvant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PickerDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clients_.open();
        model_.setFilter({});
        dialog_ = std::make_unique<picker::PickerDialog>(QStringLiteral("pickcli"), model_);
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    QLineEdit& search() { return *dialog_->findChild<QLineEdit*>(QStringLiteral("edtFind")); }
    QTableView& list() { return *dialog_->findChild<QTableView*>(QStringLiteral("grdList")); }
    void press(Qt::Key key) { QTest::keyClick(&search(), key); }

    std::string currentCode() { return model_.codeAt(list().currentIndex().row()).toStdString(); }
    std::vector<std::string> codes() const
    {
        std::vector<std::string> all;
        for (int row = 0; row < model_.rowCount(); ++row) all.push_back(model_.codeAt(row).toStdString());
        return all;
    }

    void addClients(int count)
    {
        store::Transaction transaction(*company_);
        for (int n = 0; n < count; ++n) {
            const std::string number = QStringLiteral("%1").arg(n, 4, 10, QChar(u'0')).toStdString();
            company::addRecord(clients_, {{"Cli_code", "Z" + number}, {"Cli_name", "Zed client " + number}});
        }
        transaction.commit();
    }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    std::unique_ptr<store::Database> company_ = company::OpenCompany(home_.installation(), 1);
    store::Table clients_{*company_, "cli"};
    picker::LookupModel model_{clients_, "Cli_code", "Cli_name"};
    std::unique_ptr<picker::PickerDialog> dialog_;
};

TEST_F(PickerDialogTest, OpensOnTheFirstRowWithTheKeyboardInTheSearchBox)
{
    EXPECT_THAT(codes(), ElementsAre("ABC100", "BEL200", "HAR300", "NOR400", "WES500"));
    EXPECT_EQ(currentCode(), "ABC100");
    EXPECT_EQ(dialog_->focusWidget(), &search());
}

TEST_F(PickerDialogTest, TypingFiltersByCodeOrNameWhateverTheCaseWithAccentsAsTyped)
{
    press(Qt::Key_Down);
    const std::pair<QString, std::vector<std::string>> filters[] = {
        {QStringLiteral("DENT"), {"WES500"}},              // Westmount Dental Clinic
        {QStringLiteral("har3"), {"HAR300"}},              // a code
        {QStringLiteral("BÉL"), {"BEL200"}},               // Bélanger et fils inc.
        {QStringLiteral("cafe"), {}},                      // Northern Lights Café
        {QStringLiteral("café"), {"NOR400"}},
        {QString(), {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"}},
    };
    for (const auto& [text, expected] : filters) {
        search().setText(text);
        EXPECT_EQ(codes(), expected) << text.toStdString();
        if (!expected.empty()) {
            EXPECT_EQ(currentCode(), expected.front()) << text.toStdString();
        }
    }
}

TEST_F(PickerDialogTest, UpAndDownMoveInTheListAndEnterChoosesTheCurrentRow)
{
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(currentCode(), "BEL200");
    EXPECT_THAT(search().text().toStdString(), IsEmpty());
    press(Qt::Key_Return);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(dialog_->chosenCode().toStdString(), "BEL200");
}

TEST_F(PickerDialogTest, DoubleClickChoosesTheRowClicked)
{
    const QPoint row = list().visualRect(model_.index(3, 1)).center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, row);  // Qt 6.4's double-click sends no press of its own
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(dialog_->chosenCode().toStdString(), "NOR400");
}

TEST_F(PickerDialogTest, EnterOnAnEmptyListChoosesNothingAndEscapeCancels)
{
    search().setText(QStringLiteral("no such client"));
    press(Qt::Key_Return);
    EXPECT_TRUE(dialog_->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog_->chosenCode().isEmpty());
}

TEST_F(PickerDialogTest, ReadsALongTableABatchAtATimeAsTheListScrolls)
{
    addClients(300);
    model_.setFilter({});
    const int firstRead = model_.rowCount();
    EXPECT_LT(firstRead, 305);
    for (int page = 0; page < 50 && model_.rowCount() == firstRead; ++page) press(Qt::Key_PageDown);
    EXPECT_GT(model_.rowCount(), firstRead);

    search().setText(QStringLiteral("client 0299"));
    EXPECT_THAT(codes(), ElementsAre("Z0299"));
}

TEST_F(PickerDialogTest, AReadThatFailsClosesTheListAsCancelled)
{
    company::OpenCompany(home_.installation(), 1)->dropTable("cli");
    search().setText(QStringLiteral("a"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(model_.failure());
}

}  // namespace
}  // namespace orvant
