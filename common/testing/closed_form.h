#pragma once
// Test support: a module's form launched as the launcher launches it, read while it is shown,
// then closed with its Exit button. Header-only, for module tests (their target names the
// modules folder ORVANT_TEST_MODULES).

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"

namespace orvant::testing {

// The message numbers `first` to `last`, but those skipped.
inline QList<int> MessageNumbers(int first, int last, std::initializer_list<int> skipped = {})
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        if (std::find(skipped.begin(), skipped.end(), n) == skipped.end()) numbers << n;
    return numbers;
}

struct ClosedForm {
    std::vector<lang::FormUse> uses;  // the form's and the dialogs' use of the language tables
    QString caption;
    int returned = 0;  // what the launch gave back
};

// `read` sees the form before it is closed.
inline ClosedForm LaunchAndClose(const Session& session, const char* module, const char* form, const QList<int>& messages,
                                 std::initializer_list<const char*> dialogs = {}, const std::function<void(QWidget&)>& read = {})
{
    ClosedForm closed;
    WhenShown act(form, [&](QWidget& shown) {
        closed.uses.push_back(lang::FormUseOf(shown, messages));
        for (const char* dialog : dialogs)
            if (const QDialog* found = shown.findChild<QDialog*>(dialog)) closed.uses.push_back(lang::FormUseOf(*found));
            else ADD_FAILURE() << "the form has no dialog " << dialog;
        closed.caption = shown.windowTitle();
        if (read) read(shown);
        shown.findChild<QPushButton*>("Exit_btn")->click();
    });
    closed.returned = LaunchModule(ORVANT_TEST_MODULES, module, session, false).returned;
    return closed;
}

}  // namespace orvant::testing
