#pragma once
// What an entry screen's logic does around the posting of the document its Accept checked: the
// session's ledger code "Y" while it posts, and the prepared document written while waiting for
// a record another workstation holds, the user told who holds it and free to give up.

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "session/session.h"
#include "store/error.h"

namespace orvant::ui {

// The tax-per-rate lines `posting` asks of `document`, as the user answered them on the host's
// dialog, into `answers`; false when the user cancelled the dialog.
template <class Host, class Posting, class Document, class Answers>
bool AskTaxes(Host& host, Posting& posting, const Document& document, Answers& answers)
{
    const auto taxes = posting.taxLinesToAsk(document);
    if (taxes.empty()) return true;
    auto answered = host.askTaxes(taxes);
    if (!answered) return false;
    answers.taxes = std::move(*answered);
    return true;
}

// Back to "N" however the posting ends: posted, refused, given up, or failed in the store.
class LedgerCodeHeld {
public:
    explicit LedgerCodeHeld(Session& session) : session_(session) { session_.ledgerCode = "Y"; }
    ~LedgerCodeHeld() { session_.ledgerCode = "N"; }
    LedgerCodeHeld(const LedgerCodeHeld&) = delete;
    LedgerCodeHeld& operator=(const LedgerCodeHeld&) = delete;

private:
    Session& session_;
};

// Writes what `posting` prepared, unless it refused the document. While a record is held
// elsewhere `host` shows `waitingText()` and the holder's name, is asked whether the user gave
// up, and is told when the wait is over. The refusal, if any; nothing at all when the user
// gave up the wait.
template <class Host, class Posting, class Prepared, class Refusal, class Context>
std::optional<std::optional<Refusal>> WritePrepared(Host& host, Posting& posting, const std::variant<Prepared, Refusal>& prepared,
                                                    Context& context, std::function<std::string()> waitingText)
{
    if (const auto* refused = std::get_if<Refusal>(&prepared)) return std::optional<Refusal>(*refused);
    context.lockRetry.waiting = [&host, waitingText = std::move(waitingText)](const store::StoreError& error) {
        host.waiting(waitingText() + (error.holder() ? error.holder()->user : std::string()));
    };
    context.lockRetry.cancelled = [&host] { return host.waitCancelled(); };
    struct EndWait {
        Host& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host};
    try {
        return posting.write(std::get<Prepared>(prepared), context);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kCancelled) return std::nullopt;
        throw;
    }
}

// The posting of a document Accept has checked, the session's ledger code "Y" throughout: `post`
// asks the dialogs and writes it (its refusal, if any; nothing when the user gave up), a
// refusal goes to `refused`, a posted document to `posted`. True when posted.
template <class Refusal>
bool PostChecked(Session& session, const std::function<std::optional<std::optional<Refusal>>()>& post,
                 const std::function<void(const Refusal&)>& refused, const std::function<void()>& posted)
{
    const LedgerCodeHeld ledgerCode(session);
    const std::optional<std::optional<Refusal>> written = post();
    if (!written) return false;
    if (*written) {
        refused(**written);
        return false;
    }
    posted();
    return true;
}

}  // namespace orvant::ui
