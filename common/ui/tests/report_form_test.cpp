// The frame of the report screens: no rule runs before the screen's logic has started, the
// options reach it before each rule, and only a report that says so closes the screen.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "ui/report_form.h"

namespace orvant::ui {
namespace {

using report::ReportOutput;

class OptionsForm : public ReportForm {
public:
    explicit OptionsForm(Session& session) : ReportForm(session, "Help", "Toptions_frm", "Options")
    {
        option_ = new QLineEdit(this);
        frame(option_, 207, [this](ReportOutput how) {
            ran.push_back({how, readOption});
            return how == ReportOutput::Export;
        });
        onF2(option_, [this] { ran.push_back({ReportOutput::Print, "F2 " + readOption}); });
        onLeave(option_, [this] { ran.push_back({ReportOutput::Print, "left " + readOption}); });
    }

    void fill(bool on) { filling_ = on; }

    bool started = false;
    QString readOption;
    std::vector<std::pair<ReportOutput, QString>> ran;
    QLineEdit* option_;

protected:
    bool readChoices() override
    {
        if (started) readOption = option_->text();
        return started;
    }
};

TEST(ReportForm, the_options_are_read_before_each_report_and_only_a_started_screen_runs_one)
{
    Session session;
    OptionsForm form(session);
    form.show();
    form.option_->setText("A");
    form.findChild<QPushButton*>("Print_btn")->click();
    EXPECT_TRUE(form.ran.empty()) << "the screen's logic has not started";

    form.started = true;
    form.findChild<QPushButton*>("Print_btn")->click();
    form.option_->setText("B");
    form.findChild<QPushButton*>("Preview_btn")->click();
    const std::vector<std::pair<ReportOutput, QString>> expected{{ReportOutput::Print, "A"}, {ReportOutput::Preview, "B"}};
    EXPECT_EQ(form.ran, expected);
    EXPECT_TRUE(form.isVisible()) << "printed or previewed, the screen stays";

    form.findChild<QPushButton*>("Export_btn")->click();
    EXPECT_FALSE(form.isVisible()) << "exported, the screen closes";
}

TEST(ReportForm, f2_looks_up_and_leaving_a_field_runs_its_rule_unless_the_widgets_are_being_filled)
{
    Session session;
    OptionsForm form(session);
    form.started = true;
    form.show();
    form.option_->setText("C");
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    EXPECT_TRUE(QCoreApplication::sendEvent(form.option_, &f2)) << "F2 is taken by the lookup";
    QFocusEvent left(QEvent::FocusOut);
    QCoreApplication::sendEvent(form.option_, &left);
    form.fill(true);
    QCoreApplication::sendEvent(form.option_, &left);
    const std::vector<std::pair<ReportOutput, QString>> expected{{ReportOutput::Print, "F2 C"}, {ReportOutput::Print, "left C"}};
    EXPECT_EQ(form.ran, expected);
}

TEST(ReportForm, the_status_bar_and_the_message_list_carry_the_names_the_language_tables_use)
{
    Session session;
    OptionsForm form(session);
    EXPECT_EQ(form.objectName(), "Toptions_frm");
    auto* bar = form.findChild<QStatusBar*>("StatusBar");
    ASSERT_NE(bar, nullptr);
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) EXPECT_NE(bar->findChild<QLabel*>(panel), nullptr) << panel;
    EXPECT_NE(form.findChild<QWidget*>("IntlStrings1"), nullptr);
}

}  // namespace
}  // namespace orvant::ui
