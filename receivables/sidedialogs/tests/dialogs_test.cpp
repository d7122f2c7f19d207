// The four side dialogs driven as a user drives them, on the offscreen platform: keys typed in
// their fields and grids, their buttons, what they refuse and what they give back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/record.h"
#include "dates/date_format.h"
#include "lang/form_strings.h"
#include "session/module_frame.h"
#include "money/currency_format.h"
#include "sidedialogs/grid_editors.h"
#include "sidedialogs/holdback_dialog.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/project_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "testing/temp_data_root.h"
#include "ui/recording_messages.h"

namespace orvant::sidedialogs {
namespace {

Money cents(std::int64_t c) { return Money::fromCents(c); }

template <typename Control>
Control& control(QWidget& dialog, const char* name)
{
    auto* found = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

class DialogTest : public ::testing::Test {
protected:
    DialogTest()
    {
        SetShortDateFormat("DD/MM/YYYY");
        // The calling screen's message list: line N reads "message N".
        auto* list = new QPlainTextEdit(&screen_);
        list->setObjectName(QStringLiteral("IntlStrings1"));
        QStringList lines;
        for (int n = 0; n <= 20; ++n) lines << QStringLiteral("message %1").arg(n);
        list->setPlainText(lines.join(u'\n'));
    }

    // Runs `show`, which shows `dialog` modally, and acts on the dialog from inside its modal
    // loop once it is active. A dialog still open after a while is closed and the test fails.
    template <typename Show>
    auto driving(QDialog& dialog, std::function<void(QWidget&)> act, Show show)
    {
        testing::WhenShown when(dialog.objectName(), [act](QWidget& w) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
            act(w);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&dialog] {
            ADD_FAILURE() << "the dialog stayed open";
            dialog.done(QDialog::Rejected);
        });
        watchdog.start(10000);
        auto result = show();
        EXPECT_TRUE(when.acted());
        return result;
    }

    std::vector<int> messageNumbers() const
    {
        std::vector<int> numbers;
        for (const ui::ShownMessage& shown : messages_.shown()) numbers.push_back(shown.message.number);
        return numbers;
    }

    static void typeInto(QLineEdit& field, const QString& text)
    {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }

    // Typing in a grid: the first key opens the cell's editor, which takes the rest.
    static void typeInGrid(QTableView& grid, const QString& text)
    {
        QTest::keyClicks(&grid, text.left(1));
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
    }

    QWidget screen_;
    ui::RecordingMessages messages_;
    ui::MessageServiceScope recording_{messages_};
};

// --- holdback ---------------------------------------------------------------------------------

class HoldbackDialogTest : public DialogTest {
protected:
    HoldbackEntry sale(HoldbackChoice choice = HoldbackChoice::TaxesBeforeHoldback) const
    {
        return HoldbackEntry::forSales(cents(100000), cents(7000), cents(8000), choice);
    }
    std::optional<HoldbackEntered> run(const HoldbackEntry& entry, std::function<void(QWidget&)> act)
    {
        return driving(dialog_, std::move(act), [&] { return dialog_.run(entry, screen_); });
    }

    Tholdback_dlg dialog_;
};

TEST(AmountValidator, TakesTheNotationOfTheSessionLanguage)
{
    struct Row {
        int language;
        const char* text;
        QValidator::State state;
    };
    const Row rows[] = {
        {2, "1 234,50", QValidator::Acceptable}, {2, "12.50", QValidator::Invalid}, {2, "1,2,3", QValidator::Intermediate},
        {1, "1,234.50", QValidator::Acceptable}, {1, "12,50", QValidator::Intermediate}, {1, "1 234", QValidator::Invalid},
        {1, "$12.50", QValidator::Acceptable},   {1, "12x", QValidator::Invalid},
    };
    const AmountValidator validator;
    for (const Row& row : rows) {
        SetAmountLanguage(row.language);
        QString text = QString::fromUtf8(row.text);
        int position = 0;
        EXPECT_EQ(validator.validate(text, position), row.state) << row.text;
    }
    SetAmountLanguage(1);
}

TEST_F(HoldbackDialogTest, a_percent_typed_and_left_shows_its_amount_ok_gives_the_answer_and_the_date_stays_for_the_next)
{
    const auto answer = run(sale(), [](QWidget& w) {
        auto& percent = control<QLineEdit>(w, "HoldbackPercent");
        EXPECT_EQ(QApplication::focusWidget(), &percent);
        EXPECT_EQ(percent.text(), QStringLiteral("0.00"));
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("0.00"));
        QTest::keyClicks(&percent, QStringLiteral("10"));
        QTest::keyClick(&percent, Qt::Key_Return);
        EXPECT_EQ(percent.text(), QStringLiteral("10.00"));
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("115.00"));
        EXPECT_EQ(QApplication::focusWidget(), &control<QLineEdit>(w, "HoldbackAmount"));
        typeInto(control<QLineEdit>(w, "HoldbackDueDate"), QStringLiteral("30092026"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_TRUE(answer);
    EXPECT_DOUBLE_EQ(answer->answer.percent, 10.0);
    EXPECT_EQ(answer->amount, cents(11500));
    EXPECT_EQ(answer->answer.dueDate, *Date::fromYmd(2026, 9, 30));
    EXPECT_TRUE(messages_.shown().empty());

    // The payables form hides the choice; the due date stays for the next document.
    const auto purchase = run(HoldbackEntry::forPurchases(cents(200000)), [](QWidget& w) {
        EXPECT_FALSE(control<QGroupBox>(w, "TaxChoice").isVisible());
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackDueDate").text(), QStringLiteral("30/09/2026"));
        typeInto(control<QLineEdit>(w, "HoldbackPercent"), QStringLiteral("5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("100.00"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_TRUE(purchase);
    EXPECT_EQ(purchase->answer.dueDate, *Date::fromYmd(2026, 9, 30));
}

// Escape and the window's close leave it open; arrows move between its fields.
TEST_F(HoldbackDialogTest, a_percent_not_a_number_or_an_unreadable_date_keeps_it_open_with_the_message_and_the_focus_there)
{
    const auto answer = run(sale(), [this](QWidget& w) {
        auto& percent = control<QLineEdit>(w, "HoldbackPercent");
        auto& dueDate = control<QLineEdit>(w, "HoldbackDueDate");
        auto& ok = control<QPushButton>(w, "OKBtn");
        QTest::keyClick(&percent, Qt::Key_Escape);
        w.close();
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
        QTest::keyClick(&percent, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), &control<QLineEdit>(w, "HoldbackAmount"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), &dueDate);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_EQ(QApplication::focusWidget(), &percent);
        QTest::keyClicks(&percent, QStringLiteral("ten"));
        QTest::keyClick(&percent, Qt::Key_Return);
        EXPECT_EQ(messageNumbers(), std::vector<int>{16});
        EXPECT_EQ(QApplication::focusWidget(), &percent);
        QTest::mouseClick(&ok, Qt::LeftButton);  // refused once more, not twice
        EXPECT_EQ(messageNumbers(), (std::vector<int>{16, 16}));
        typeInto(percent, QStringLiteral("10"));
        QTest::keyClick(&percent, Qt::Key_Return);
        typeInto(dueDate, QStringLiteral("31092026"));  // no 31st in September
        QTest::mouseClick(&ok, Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(messageNumbers(), (std::vector<int>{16, 16, 17}));
        EXPECT_EQ(messages_.shown().back().message.text, QStringLiteral("message 17"));
        EXPECT_EQ(QApplication::focusWidget(), &dueDate);
        typeInto(dueDate, QStringLiteral("30092026"));
        QTest::mouseClick(&ok, Qt::LeftButton);
    });
    ASSERT_TRUE(answer);
    EXPECT_DOUBLE_EQ(answer->answer.percent, 10.0);
    EXPECT_EQ(answer->answer.dueDate, *Date::fromYmd(2026, 9, 30));
}

// The choice given is checked; changing it recomputes the amount on its base, and OK clicked
// while still in the percent leaves it first.
TEST_F(HoldbackDialogTest, changing_the_choice_recomputes_the_amount_and_ok_leaves_the_percent_first)
{
    const auto answer = run(sale(HoldbackChoice::HoldbackOnTaxes), [](QWidget& w) {
        typeInto(control<QLineEdit>(w, "HoldbackPercent"), QStringLiteral("10"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(control<QGroupBox>(w, "TaxChoice").isVisible());
        const auto radios = control<QGroupBox>(w, "TaxChoice").findChildren<QRadioButton*>();
        ASSERT_EQ(radios.size(), 2);
        EXPECT_TRUE(radios[1]->isChecked());
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("100.00"));
        radios[0]->click();
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("115.00"));
        radios[1]->click();
        EXPECT_EQ(control<QLineEdit>(w, "HoldbackAmount").text(), QStringLiteral("100.00"));
        typeInto(control<QLineEdit>(w, "HoldbackDueDate"), QStringLiteral("01102026"));
        typeInto(control<QLineEdit>(w, "HoldbackPercent"), QStringLiteral("20"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->amount, cents(20000));  // choice 1: the net alone
    EXPECT_EQ(answer->answer.choice, HoldbackChoice::HoldbackOnTaxes);
}

// --- period -----------------------------------------------------------------------------------

class PeriodDialogTest : public DialogTest {
protected:
    Tperiod_dlg dialog_;
};

TEST_F(PeriodDialogTest, a_period_past_13_is_refused_in_the_sessions_language_and_13_is_taken)
{
    for (const int language : {1, 2}) {
        messages_.clear();
        const auto period = driving(dialog_, [this](QWidget& w) {
            auto& field = control<QLineEdit>(w, "PeriodNumber");
            EXPECT_EQ(QApplication::focusWidget(), &field);
            EXPECT_EQ(field.text(), QStringLiteral("4"));
            EXPECT_EQ(field.maxLength(), 2);
            QTest::keyClicks(&field, QStringLiteral("14"));
            QTest::keyClick(&field, Qt::Key_Return);
            EXPECT_TRUE(w.isVisible());
            QTest::keyClick(&field, Qt::Key_Escape);
            EXPECT_TRUE(w.isVisible());
            typeInto(field, QStringLiteral("13"));
            QTest::keyClick(&field, Qt::Key_Return);
        }, [&] { return dialog_.run(4, language); });
        EXPECT_EQ(period, 13);
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].message.kind, ui::MessageKind::Information);
        EXPECT_EQ(messages_.shown()[0].message.text,
                  language == 1 ? QStringLiteral("Not a valid period number.") : QStringLiteral("Entrez un numéro valide."));
    }
}

// --- tax per rate -----------------------------------------------------------------------------

class TaxPerRateDialogTest : public DialogTest {
protected:
    std::vector<TaxPerRateLine> lines() const
    {
        return {{1, "GST", 5, cents(700), Money(), kTaxCredited}, {2, "QST", 9.975, cents(1397), Money(), kTaxCredited}};
    }
    Ttaxperrate_dlg dialog_;
};

TEST_F(TaxPerRateDialogTest, cancel_gives_nothing_back_and_net_amounts_typed_come_back_at_ok_even_one_still_being_edited)
{
    const auto cancelled = driving(dialog_, [](QWidget& w) {
        typeInGrid(control<QTableView>(w, "TaxGrid"), QStringLiteral("140"));
        QTest::mouseClick(&control<QPushButton>(w, "CancelBtn"), Qt::LeftButton);
    }, [&] { return dialog_.run(lines()); });
    EXPECT_FALSE(cancelled);

    const auto result = driving(dialog_, [](QWidget& w) {
        auto& grid = control<QTableView>(w, "TaxGrid");
        EXPECT_EQ(QApplication::focusWidget(), &grid);
        EXPECT_EQ(grid.currentIndex(), grid.model()->index(0, TaxPerRateModel::NetAmount));
        EXPECT_EQ(grid.model()->index(1, TaxPerRateModel::Rate).data().toString(), QStringLiteral("9.98"));
        typeInGrid(grid, QStringLiteral("140.00"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();  // the delegate commits after Enter has been seen
        EXPECT_EQ(grid.currentIndex().row(), 1);
        typeInGrid(grid, QStringLiteral("1x40.05"));  // the letter is not taken
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    }, [&] { return dialog_.run(lines()); });
    ASSERT_TRUE(result);
    ASSERT_EQ(result->size(), 2u);
    EXPECT_EQ((*result)[0].net, cents(14000));
    EXPECT_EQ((*result)[1].net, cents(14005));
    EXPECT_EQ((*result)[1].tax, cents(1397));
}

TEST_F(TaxPerRateDialogTest, only_the_net_amount_takes_a_value_and_only_one_that_reads_as_money)
{
    TaxPerRateModel model;
    model.setLines(lines());
    EXPECT_FALSE(model.setData(model.index(0, TaxPerRateModel::NetAmount), QStringLiteral("1.2.3")));
    EXPECT_FALSE(model.setData(model.index(0, TaxPerRateModel::TaxAmount), QStringLiteral("5.00")));
    EXPECT_FALSE(model.flags(model.index(0, TaxPerRateModel::Rate)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(0, TaxPerRateModel::NetAmount), QStringLiteral("1,250.5")));
    EXPECT_EQ(model.lines()[0].net, cents(125050));
    EXPECT_EQ(model.lines()[0].tax, cents(700));
}

// --- project ----------------------------------------------------------------------------------

class ProjectDialogTest : public DialogTest {
protected:
    ProjectDialogTest()
    {
        company::SetupDataRoot(installation_);
        company::CreateCompany(installation_, 1, "Books");
        books_ = company::OpenCompany(installation_, 1);
        store::Table projects(*books_, "jcProject"), phases(*books_, "jcPhase");
        projects.open();
        phases.open();
        company::addRecord(projects, {{"JcProject_No", "OPEN"}, {"JcProject_Fact", 1}});
        company::addRecord(phases, {{"JcPhase_Code", "FRAMING"}});
        phases.last();
        framing_ = static_cast<int>(phases.field("JcPhase_No").asInt());
    }

    std::optional<std::vector<ProjectLine>> run(std::function<void(QWidget&)> act)
    {
        ProjectLookups lookups{[this] { return pickedProject_; }, [this] { return pickedPhase_; }, {}};
        return driving(dialog_, std::move(act), [&] { return dialog_.run(cents(11500), *books_, screen_, lookups); });
    }

    static void typeInCell(QTableView& grid, int row, int column, const QString& text)
    {
        grid.setFocus();
        grid.setCurrentIndex(grid.model()->index(row, column));
        typeInGrid(grid, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    static QString left(QWidget& w) { return control<QLabel>(w, "DistributionAmount").text(); }

    testing::TempDataRoot root_{testing::Engine::Sqlite};
    company::Installation installation_{root_.path(), root_.config()};
    std::unique_ptr<store::Database> books_;
    int framing_ = 0;
    std::string pickedProject_;
    int pickedPhase_ = 0;
    Tproject_dlg dialog_;
};

TEST_F(ProjectDialogTest, an_unknown_project_keeps_the_dialog_open_with_message_19_on_its_line)
{
    const auto lines = run([this](QWidget& w) {
        auto& grid = control<QTableView>(w, "ProjectGrid");
        EXPECT_EQ(left(w), QStringLiteral("$115.00"));
        typeInCell(grid, 0, 0, QStringLiteral("OPEN"));
        typeInCell(grid, 0, 2, QStringLiteral("40"));
        EXPECT_EQ(left(w), QStringLiteral("$75.00"));
        grid.setCurrentIndex(grid.model()->index(0, 2));
        QTest::keyClick(&grid, Qt::Key_Down);  // a line below
        typeInCell(grid, 1, 0, QStringLiteral("NOSUCH"));
        typeInCell(grid, 1, 2, QStringLiteral("75"));
        EXPECT_EQ(left(w), QStringLiteral("$0.00"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(messageNumbers(), std::vector<int>{19});
        EXPECT_EQ(grid.currentIndex().row(), 1);
        typeInCell(grid, 1, 0, QStringLiteral("OPEN"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[1].project, "OPEN");
    EXPECT_EQ((*lines)[1].amount, cents(7500));
}

TEST_F(ProjectDialogTest, f2_looks_up_the_project_or_the_phase_and_a_cancelled_lookup_changes_nothing)
{
    pickedProject_ = "OPEN";
    pickedPhase_ = framing_;
    const auto lines = run([this](QWidget& w) {
        auto& grid = control<QTableView>(w, "ProjectGrid");
        grid.setCurrentIndex(grid.model()->index(0, 0));
        QTest::keyClick(&grid, Qt::Key_F2);
        grid.setCurrentIndex(grid.model()->index(0, 1));
        QTest::keyClick(&grid, Qt::Key_F2);
        EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("OPEN"));
        EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("FRAMING"));
        pickedProject_.clear();
        pickedPhase_ = 0;
        grid.setCurrentIndex(grid.model()->index(0, 0));
        QTest::keyClick(&grid, Qt::Key_F2);
        control<QPushButton>(w, "LookupBtn").click();
        EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("OPEN"));
        typeInCell(grid, 0, 2, QStringLiteral("115"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    });
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ((*lines)[0].phase, "FRAMING");
}

TEST_F(ProjectDialogTest, a_purchase_line_picks_its_element_and_costs_quantity_times_rate_read_only)
{
    {
        store::Table budgets(*books_, "jcBudgetHdr"), elements(*books_, "jcBudgetDet");
        budgets.open();
        elements.open();
        company::addRecord(budgets, {{"JcBudHdr_Project", "OPEN"}, {"JcBudHdr_Phase", "FRAMING"}});
        company::addRecord(elements, {{"JcBudDet_Project", "OPEN"}, {"JcBudDet_Phase", "FRAMING"}, {"JcBudDet_Elem", "LUMBER"}});
    }
    const ProjectLookups lookups{{}, {}, [] { return std::string("LUMBER"); }};
    const auto lines = driving(dialog_, [this](QWidget& w) {
        auto& grid = control<QTableView>(w, "ProjectGrid");
        ASSERT_EQ(grid.model()->columnCount(), 6);
        typeInCell(grid, 0, 0, QStringLiteral("OPEN"));
        typeInCell(grid, 0, 1, QStringLiteral("FRAMING"));
        grid.setCurrentIndex(grid.model()->index(0, 2));
        QTest::keyClick(&grid, Qt::Key_F2);
        typeInCell(grid, 0, 3, QStringLiteral("3"));
        typeInCell(grid, 0, 4, QStringLiteral("12.50"));
        EXPECT_EQ(grid.model()->index(0, 5).data().toString(), QStringLiteral("$37.50"));
        EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 5)) & Qt::ItemIsEditable);
        EXPECT_EQ(left(w), QStringLiteral("$77.50"));
        QTest::mouseClick(&control<QPushButton>(w, "OKBtn"), Qt::LeftButton);
    }, [&] { return dialog_.run(cents(11500), *books_, screen_, lookups, ProjectForm::Payables); });
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_EQ((*lines)[0].element, "LUMBER");
    EXPECT_EQ((*lines)[0].amount, cents(3750));
}

TEST_F(ProjectDialogTest, deleting_a_line_gives_its_amount_back_and_cancel_gives_nothing)
{
    const auto lines = run([](QWidget& w) {
        auto& grid = control<QTableView>(w, "ProjectGrid");
        typeInCell(grid, 0, 0, QStringLiteral("OPEN"));
        typeInCell(grid, 0, 2, QStringLiteral("100"));
        EXPECT_EQ(left(w), QStringLiteral("$15.00"));
        grid.setCurrentIndex(grid.model()->index(0, 2));
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(left(w), QStringLiteral("$115.00"));
        EXPECT_EQ(grid.model()->rowCount(), 1);  // a blank line to type in
        QTest::mouseClick(&control<QPushButton>(w, "CancelBtn"), Qt::LeftButton);
    });
    EXPECT_FALSE(lines);
    EXPECT_TRUE(messages_.shown().empty());
}

// --- language tables --------------------------------------------------------------------------

TEST(SideDialogTexts, both_language_tables_reach_every_dialog)
{
    struct Expected {
        const char* table;
        QString taxCaption, netTitle, holdbackChoice, projectTitle, periodCaption;
    };
    const Expected languages[] = {
        {"rcvsalesen", "Enter total sales amount per tax rate", "Net amount", "Calculate taxes after holdback", "Project",
         "Change period number"},
        {"rcvsalesfr", "Entrez le montant total des ventes par taux de taxe", "Montant net", "Calculer les taxes après la retenue",
         "Projet", "Changer le numéro de période"},
    };
    for (const Expected& language : languages) {
        Ttaxperrate_dlg tax;
        Tholdback_dlg holdback;
        Tproject_dlg project;
        Tperiod_dlg period;
        for (QWidget* dialog : std::initializer_list<QWidget*>{&tax, &holdback, &project, &period})
            lang::LoadFormStrings(*dialog, QString::fromLatin1(language.table), QStringLiteral(ORVANT_TEST_LANGUAGES));
        EXPECT_EQ(tax.windowTitle(), language.taxCaption);
        EXPECT_EQ(control<QTableView>(tax, "TaxGrid").model()->headerData(3, Qt::Horizontal).toString(), language.netTitle);
        EXPECT_EQ(control<QGroupBox>(holdback, "TaxChoice").findChildren<QRadioButton*>().at(1)->text(), language.holdbackChoice);
        EXPECT_EQ(control<QTableView>(project, "ProjectGrid").model()->headerData(0, Qt::Horizontal).toString(), language.projectTitle);
        EXPECT_EQ(period.windowTitle(), language.periodCaption);
    }
}

}  // namespace
}  // namespace orvant::sidedialogs
