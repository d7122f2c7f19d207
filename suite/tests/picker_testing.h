#pragma once
// What the pickers' tests add to the module test home (testing/module_test_home.h): the
// job-costing rows the demo company leaves out, and a user who types into a picker.

#include <QStringList>
#include <functional>

#include "company/installation.h"

class QWidget;

namespace orvant::testing {

// Projects MTL-2024 and QC-BRIDGE; phases FOUNDATION, FRAMING and ROOFING, which the store
// numbers 1 to 3; elements EQP (Equipment rental), LAB (Labour) and MAT (Materials).
void AddJobCosting(const company::Installation& installation);

struct PickerScreen {
    QString title;
    QString searchLabel;
    QStringList columns;
};

// An action for WhenShown: notes what the picker shows in `seen`, types `filter` into its search
// box and presses `key`. A picker that the key leaves open fails the test and is closed, so that
// it cannot hang the tests.
std::function<void(QWidget&)> TypeAndPress(QString filter, Qt::Key key, PickerScreen& seen);

}  // namespace orvant::testing
