#pragma once
// The session of a user who has signed in: made here once, for the launcher and for every tool
// that runs a module as the launcher would, so that a module never sees a session the launcher
// would not give it.

#include "company/users.h"
#include "options/rights.h"
#include "session/session.h"
#include "settings/registry.h"
#include "store/database.h"

namespace orvant {

// The registry's language: 1 or 2 from the value `language` (default 1).
int RegistryLanguage(const Registry& registry);

// Names, rights, company, language and LangCode (a user whose language is 0 keeps the
// registry's language, never 0, and is still named on what they post), paths, the customer,
// the session number and the company's name. The user's whole name is what their postings
// record.
Session SessionForUser(const Registry& registry, store::Database& dataRoot, const company::User& user, int sessionNo);

// The rights of the session's user, read again from the data root's users (no right at all for
// a user who is no longer there): what decides the options a module may open for its user.
UserSecurity SessionUserRights(const Session& session);

}  // namespace orvant
