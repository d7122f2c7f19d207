#pragma once
// The buttons of the entry screens and the focus their logic sends: the tool buttons Change
// period, E-Mail to, Quick Link and Print screen, then Accept, Cancel, Exit and Help, named for
// the language tables and the screen driver.

#include <functional>
#include <vector>

#include "ui/screen_actions.h"

class QBoxLayout;
class QDialog;
class QWidget;

namespace orvant::entryscreens {

using ui::kLeavingSkipsChecks;

struct EntryButtonActions {
    std::function<void()> changePeriod, email, quickLink, printScreen;
    std::function<void()> accept, cancel, exit, help;
};

// How a screen's buttons read: the captions of Accept and Cancel, whether every button has its
// hint, whether moving to Help skips the field's checks as Cancel and Exit do.
struct EntryButtonLook {
    const char* accept = "&Accept";
    const char* cancel = "&Cancel";
    bool hints = true;
    bool helpSkipsChecks = false;
};

// The bar of buttons; each action runs guarded, so that an error it raises is reported.
QWidget* EntryButtonBar(QWidget* parent, EntryButtonActions actions, const EntryButtonLook& look = {});

// Ends laying out an entry form under `layout`: the status bar, the order Enter and Tab go
// through `fields` then Accept, Cancel, Exit and Help, the hidden box of the form's messages,
// and the form's size.
void FinishEntryForm(QDialog& form, QBoxLayout& layout, std::vector<QWidget*> fields, int height);

// Puts the focus on `target`, its text selected, once the event that asked for it is over.
void FocusSoon(QWidget* target);

}  // namespace orvant::entryscreens
