// The record navigator: which buttons a screen gets, which are on while browsing or typing, and
// the keys that stand for them.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>
#include <optional>

#include "ui/record_navigator.h"

namespace orvant::ui {
namespace {

QStringList names(const QWidget& navigator)
{
    QStringList all;
    for (const QPushButton* b : navigator.findChildren<QPushButton*>()) all << b->objectName();
    return all;
}

TEST(RecordNavigator, browsing_leaves_save_and_cancel_off_and_typing_only_them_on)
{
    QWidget form;
    std::optional<NavigatorButton> pressed;
    RecordNavigator navigator(&form, "DBNavigator1", true, [&](NavigatorButton b) { pressed = b; });
    const struct {
        NavigatorButton button;
        const char* name;
        bool onWhileBrowsing;
    } rows[] = {
        {NavigatorButton::First, "FirstBtn", true},   {NavigatorButton::Prior, "PriorBtn", true},
        {NavigatorButton::Next, "NextBtn", true},     {NavigatorButton::Last, "LastBtn", true},
        {NavigatorButton::Insert, "InsertBtn", true}, {NavigatorButton::Delete, "DeleteBtn", true},
        {NavigatorButton::Edit, "EditBtn", true},     {NavigatorButton::Post, "PostBtn", false},
        {NavigatorButton::Cancel, "CancelBtn", false}, {NavigatorButton::Refresh, "RefreshBtn", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QPushButton* b = navigator.button(row.button);
        EXPECT_EQ(b->objectName(), row.name);
        navigator.setBrowsing(true);
        EXPECT_EQ(b->isEnabled(), row.onWhileBrowsing);
        navigator.setBrowsing(false);
        EXPECT_EQ(b->isEnabled(), !row.onWhileBrowsing);
        b->setEnabled(true);
        b->click();
        EXPECT_EQ(pressed, row.button);
    }
}

TEST(RecordNavigator, a_navigator_without_refresh_has_nine_buttons_and_takes_its_hints_in_order)
{
    QWidget form;
    RecordNavigator navigator(&form, "Navigator", false, [](NavigatorButton) {});
    EXPECT_EQ(navigator.objectName(), "Navigator");
    EXPECT_FALSE(names(navigator).contains("RefreshBtn"));
    EXPECT_EQ(names(navigator).size(), 9);
    navigator.setHints({"First", "Prior"});
    EXPECT_EQ(navigator.button(NavigatorButton::Prior)->toolTip(), "Prior");
    EXPECT_TRUE(navigator.button(NavigatorButton::Next)->toolTip().isEmpty());
}

TEST(RecordNavigator, browse_keys_stand_for_the_moves_insert_and_delete_only)
{
    const struct {
        int key;
        std::optional<NavigatorButton> button;
    } rows[] = {
        {Qt::Key_Up, NavigatorButton::Prior},  {Qt::Key_PageUp, NavigatorButton::Prior}, {Qt::Key_Down, NavigatorButton::Next},
        {Qt::Key_PageDown, NavigatorButton::Next}, {Qt::Key_Home, NavigatorButton::First}, {Qt::Key_End, NavigatorButton::Last},
        {Qt::Key_Insert, NavigatorButton::Insert}, {Qt::Key_Delete, NavigatorButton::Delete}, {Qt::Key_Return, std::nullopt},
        {Qt::Key_F2, std::nullopt},
    };
    for (const auto& row : rows) {
        NavigatorButton which = NavigatorButton::Refresh;
        const bool found = BrowseKeyButton(row.key, which);
        EXPECT_EQ(found ? std::optional(which) : std::nullopt, row.button) << row.key;
    }
}

}  // namespace
}  // namespace orvant::ui
