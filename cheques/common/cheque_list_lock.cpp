#include "cheque_list_lock.h"

#include <chrono>
#include <string>

#include "store/error.h"

namespace orvant::cheques {

// The shared/exclusive pair is made of plain record locks, which work across processes and
// machines and die with their holder:
//  - a shared holder keeps one of kSharedSlots slot locks, then checks that the writer key is
//    free (taking it and giving it back at once);
//  - the exclusive holder keeps the writer key, then checks that every slot is free the same way.
// Each side keeps its own lock before it looks at the other's, so both can never pass at once;
// when they cross, both are refused and retry. A shared holder looking at the writer key holds
// it for that moment against the next one looking: a shared holder looks again for a moment
// before it takes a held writer key for a rebuild. Record locks are per company (one lock file
// beside the company's database, or advisory locks salted with its schema).
namespace {

std::uint64_t namedKey(const std::string& name)
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : name) h = (h ^ c) * 0x100000001B3ull;
    return h;
}

std::uint64_t writerKey() { return namedKey("cheque list: rebuilding"); }
std::uint64_t slotKey(int slot) { return namedKey("cheque list: in use " + std::to_string(slot)); }

[[noreturn]] void refuse(store::Database& books, std::uint64_t heldKey)
{
    const auto holder = books.lockHolder(heldKey);
    std::string text = "Record locked by another user. The list of cheques to be issued is in use by ";
    text += holder && !holder->user.empty() ? holder->user : "another user";
    if (holder) text += " (session " + std::to_string(holder->session) + ")";
    text += ".";
    store::StoreError error(store::errc::kRecordLocked, text);
    if (holder) error.setHolder(*holder);
    throw error;
}

// Whether nobody holds the key; a free key is given back at once.
bool isFree(store::Database& books, std::uint64_t key) { return books.tryLock(key) != nullptr; }

// Whether the writer key is free, looking again while `probe` lets it.
bool writerFree(store::Database& books, const store::LockRetry& probe)
{
    try {
        store::RunWithLockRetry([&] {
            if (!isFree(books, writerKey())) refuse(books, writerKey());
        }, probe);
        return true;
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kCancelled) throw;
        return false;
    }
}

std::unique_ptr<store::LockHandle> takeShared(store::Database& books, const store::LockRetry& probe)
{
    std::unique_ptr<store::LockHandle> slot;
    for (int i = 0; i < ChequeListLock::kSharedSlots && !slot; ++i) slot = books.tryLock(slotKey(i));
    if (!slot) refuse(books, slotKey(0));
    if (!writerFree(books, probe)) refuse(books, writerKey());
    return slot;
}

std::unique_ptr<store::LockHandle> takeExclusive(store::Database& books)
{
    auto writer = books.tryLock(writerKey());
    if (!writer) refuse(books, writerKey());
    for (int i = 0; i < ChequeListLock::kSharedSlots; ++i)
        if (!isFree(books, slotKey(i))) refuse(books, slotKey(i));
    return writer;
}

}  // namespace

store::LockRetry ChequeListLock::briefProbe()
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    store::LockRetry probe;
    probe.longestWait = std::chrono::milliseconds(50);
    probe.cancelled = [until] { return std::chrono::steady_clock::now() > until; };
    return probe;
}

ChequeListLock ChequeListLock::take(store::Database& books, ChequeListUse use, const store::LockRetry& probe)
{
    return {use, use == ChequeListUse::Shared ? takeShared(books, probe) : takeExclusive(books)};
}

ChequeListLock ChequeListLock::takeWaiting(store::Database& books, ChequeListUse use, const store::LockRetry& retry)
{
    std::unique_ptr<store::LockHandle> held;
    store::RunWithLockRetry([&] { held = use == ChequeListUse::Shared ? takeShared(books, briefProbe()) : takeExclusive(books); }, retry);
    return {use, std::move(held)};
}

}  // namespace orvant::cheques
