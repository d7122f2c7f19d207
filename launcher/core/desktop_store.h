#pragma once
// Each user's desktop in `Desktop.db` of the data root, linked by `Desktop_user` = `User_code`.

#include <QString>
#include <optional>

#include "desktop_state.h"
#include "store/database.h"

namespace orvant::launcher {

// Replaces the user's rows by the desktop's, in one transaction: a failure leaves the rows
// saved before.
void SaveDesktop(store::Database& dataRoot, const QString& user, const DesktopState& desktop);

struct RestoredDesktop {
    std::optional<DesktopState> desktop;  // nothing when the user has no row: the standard desktop stays
    int skipped = 0;                      // rows that could not be read
};

// The user's desktop: when the user has rows, the standard desktop without its icons, then each
// row read in its order. A row that cannot be read is skipped, so the login goes on.
RestoredDesktop RestoreDesktop(store::Database& dataRoot, const QString& user, const DesktopState& standard);

// Who saves the desktop, and when: a changed desktop is saved for the user who had it, when the
// user logs out or the launcher closes; a cancelled login or a closing after a logout saves
// nothing.
class DesktopKeeper {
public:
    // "Use Standard Desktop" marks the desktop changed: the standard one replaces the saved one.
    void loggedIn(const QString& user, bool standardDesktop);
    void markChanged();
    bool changed() const { return changed_; }
    // The user whose desktop must be saved now, if any; the keeper forgets the user.
    std::optional<QString> leave();

private:
    QString user_;
    bool changed_ = false;
};

}  // namespace orvant::launcher
