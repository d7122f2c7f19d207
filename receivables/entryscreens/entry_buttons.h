#pragma once
// The buttons of the sales and purchases screens and the focus their logic sends: the tool
// buttons Change period, E-Mail to, Quick Link and Print screen, then Accept, Cancel, Exit and
// Help, named for the language tables and the screen driver.

#include <functional>

#include "ui/screen_actions.h"

class QWidget;

namespace orvant::entryscreens {

using ui::kLeavingSkipsChecks;

struct EntryButtonActions {
    std::function<void()> changePeriod, email, quickLink, printScreen;
    std::function<void()> accept, cancel, exit, help;
};

// The bar of buttons; each action runs guarded, so that an error it raises is reported.
QWidget* EntryButtonBar(QWidget* parent, EntryButtonActions actions);

// Puts the focus on `target`, its text selected, once the event that asked for it is over.
void FocusSoon(QWidget* target);

}  // namespace orvant::entryscreens
