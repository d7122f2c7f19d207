#pragma once
// Storing and deleting one cheque while other workstations work on the same list. The cheque is
// re-read under its record's lock: one changed or deleted since it was shown is left as it is.
// A printed cheque that changes or goes loses its number, voided in the cheque-number register.
// The header, its lines and tax lines are written in one transaction, in which the list is
// checked again for a supplier item that another cheque pays.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cheque_numbers.h"
#include "cheque_record.h"
#include "store/database.h"
#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant::cheques {

enum class WriteOutcome { Written, ChangedElsewhere, DeletedElsewhere, ItemOnOtherCheque };

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Written;
    int seq = 0;    // the cheque's sequence once written (a new cheque takes the next free one)
    int line = -1;  // the line whose item another cheque pays
};

// Holds a cheque of the set against another change while its holder re-reads and writes it,
// waiting while another workstation holds it. Whatever changes a stored cheque (the editor, the
// numbering of the printing) holds it so; it is a key of its own, as the write itself takes the
// header's record lock.
std::unique_ptr<store::LockHandle> HoldChequeForChange(store::Table& headers, int seq, const store::LockRetry& retry = {});

class ChequeWriter {
public:
    ChequeWriter(store::Database& books, ChequeSet set, std::string user, store::LockRetry retry = {});

    // `shown` is the cheque as read when its edit began; nothing for a new cheque.
    WriteResult write(const std::optional<Cheque>& shown, Cheque cheque);
    WriteResult remove(const Cheque& shown);

private:
    std::vector<std::unique_ptr<store::LockHandle>> holdItems(const Cheque& cheque);
    std::optional<int> lineOnOtherCheque(const Cheque& cheque, int seq);
    std::unique_ptr<ChequeNumberRun> numberRun(const Cheque& stored);
    void voidNumber(ChequeNumberRun* run, const Cheque& stored);

    store::Database& books_;
    ChequeStore store_;
    store::Table headers_, lines_;
    std::string user_;
    store::LockRetry retry_;
};

}  // namespace orvant::cheques
