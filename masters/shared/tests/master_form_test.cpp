// Enter on a maintenance or inquiry form: it presses the button a field names, and otherwise
// nothing; it never closes the screen, whichever widget has the focus. A date field shown on a
// form that only shows: empty when the date is.

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "dates/date_format.h"
#include "shared/master_form.h"

namespace orvant::masters {
namespace {

class EmptyRecord : public RecordView {
public:
    store::Value value(const std::string&) const override { return {}; }
};

class EnterForm : public MasterForm {
public:
    explicit EnterForm(Session& session) : MasterForm(session, {}, "EnterForm", "Enter", 0, "email")
    {
        QWidget* page = addPage("Page", "Page");
        auto* grid = new QGridLayout(page);
        addField(page, grid, 0, 0, "Name", "name", Kind::Text);
        auto* parameter = Named(new QLineEdit(page), "Parameter");
        auto* refresh = Named(new QPushButton("Refresh", page), "Refresh");
        auto* rows = Named(new QTableWidget(2, 1, page), "Rows");
        auto* detail = Named(new QPushButton("Detail", page), "Detail");
        for (QWidget* w : {static_cast<QWidget*>(parameter), static_cast<QWidget*>(refresh), static_cast<QWidget*>(rows),
                           static_cast<QWidget*>(detail)})
            grid->addWidget(w, grid->rowCount(), 1);
        pressOnEnter(parameter, refresh);
        pressOnEnter(rows, detail);
        connect(refresh, &QPushButton::clicked, this, [this] { pressed << "Refresh"; });
        connect(detail, &QPushButton::clicked, this, [this] { pressed << "Detail"; });
        NavigatorActions actions;
        actions.first = actions.prior = actions.next = actions.last = [] {};
        actions.record = [this]() -> const RecordView& { return record_; };
        actions.state = [] { return EditState::Browse; };
        actions.codeBoxEnabled = [] { return false; };
        setActions(std::move(actions));
    }
    QStringList pressed;

private:
    EmptyRecord record_;
};

TEST(MasterFormEnter, PressesOnlyTheButtonItsFieldNamesOrTheFocusedButton)
{
    const struct {
        const char* focused;
        QStringList pressed;
        bool closes = false;
    } rows[] = {
        {"name", {}},
        {"Parameter", {"Refresh"}},
        {"Rows", {"Detail"}},
        {"Refresh", {"Refresh"}},  // a focused button is pressed by Enter, as by Space
        {"Exit_btn", {}, true},
    };
    Session session;
    for (const auto& row : rows) {
        EnterForm form(session);
        form.QDialog::show();
        QWidget* target = form.findChild<QWidget*>(row.focused);
        ASSERT_NE(target, nullptr) << row.focused;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        if (row.closes) {
            EXPECT_FALSE(form.isVisible()) << row.focused;
            continue;
        }
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(form.isVisible()) << row.focused;
        QStringList twice = row.pressed;
        twice += row.pressed;
        EXPECT_EQ(form.pressed, twice) << row.focused;
        if (auto* line = qobject_cast<QLineEdit*>(target); line && !row.pressed.isEmpty()) {  // its other keys stay its own
            line->setText("ab");
            QTest::keyClick(line, Qt::Key_Home);
            QTest::keyClick(line, Qt::Key_Delete);
            EXPECT_EQ(line->text(), "b") << row.focused;
        }
    }
}

class DateRecord : public RecordView {
public:
    explicit DateRecord(store::Value date) : date_(std::move(date)) {}
    store::Value value(const std::string&) const override { return date_; }

private:
    store::Value date_;
};

class DateForm : public MasterForm {
public:
    DateForm(Session& session, bool showOnly, store::Value date) : MasterForm(session, {}, "DateForm", "Date", 0, "email"), record_(date)
    {
        if (showOnly) showDatesOnly();
        QWidget* page = addPage("Page", "Page");
        field = addField(page, new QGridLayout(page), 0, 0, "Date created", "created", Kind::Date);
        NavigatorActions actions;
        actions.record = [this]() -> const RecordView& { return record_; };
        actions.state = [] { return EditState::Browse; };
        actions.codeBoxEnabled = [] { return false; };
        setActions(std::move(actions));
    }
    QLineEdit* field = nullptr;

private:
    DateRecord record_;
};

TEST(MasterFormDates, AnEmptyDateShowsEmptyWhereDatesAreOnlyShown)
{
    const Date day = *Date::fromYmd(2026, 3, 9);
    const struct {
        bool showOnly;
        store::Value date;
        bool masked;
        QString shown;
    } rows[] = {
        {true, {}, false, ""},
        {true, day, false, QString::fromStdString(FormatDate(day, ShortDateFormat()))},
        {false, {}, true, "  /  /    "},  // a field typed into keeps its mask
    };
    Session session;
    for (const auto& row : rows) {
        DateForm form(session, row.showOnly, row.date);
        form.refresh();
        EXPECT_EQ(!form.field->inputMask().isEmpty(), row.masked) << row.shown.toStdString();
        EXPECT_EQ(form.field->displayText(), row.shown);
    }
}

}  // namespace
}  // namespace orvant::masters
