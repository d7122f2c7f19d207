#pragma once
// Crash tests kill a process between two round trips to the store: the environment variable
// ORVANT_KILL_AT_TRIP=N makes the process kill itself just before its Nth statement or batch of
// statements sent (counted from 1 over every connection of the process; the catalogue reads and
// the unlocks outside a transaction are not counted). Unset, nothing happens.

namespace orvant::store {

// Called by each engine before every round trip it makes.
void KillPoint();

}  // namespace orvant::store
