// The benchmark's work through the store, as the books do it: a Table cursor on the declared
// client ledger, a Transaction guard around the writes, and the Database's record locks.

#include <iostream>
#include <optional>
#include <stdexcept>

#include "store/database.h"
#include "store/table.h"
#include "workload.h"

namespace orvant::bench {
namespace {

// Where each column sits in the cursor's record, looked up once rather than by name per row.
struct LedgerFields {
    explicit LedgerFields(const store::Table& t)
        : client(t.fieldIndex("Car_client")), invoice(t.fieldIndex("Car_invoice")), reference(t.fieldIndex("Car_ref")),
          date(t.fieldIndex("Car_date")), type(t.fieldIndex("Car_type")), dueDate(t.fieldIndex("Car_du_date")),
          amount(t.fieldIndex("Car_amount")), memo(t.fieldIndex("Car_memo")), salesman(t.fieldIndex("Car_slsm")),
          provincialTax(t.fieldIndex("Car_pro_tax")), federalTax(t.fieldIndex("Car_fed_tax")),
          seq(t.fieldIndex("Car_seq")), user(t.fieldIndex("Car_user")), stamp(t.fieldIndex("Car_stamp"))
    {
    }
    int client, invoice, reference, date, type, dueDate, amount, memo, salesman, provincialTax, federalTax, seq, user,
        stamp;
};

class StoreWorkload final : public Workload {
public:
    StoreWorkload(const std::string& directory, const store::StoreConfig& config)
        : db_("bench", directory, config, /*create=*/true), ledger_(db_, kLedgerTable)
    {
    }

    ~StoreWorkload() override
    {
        ledger_.close();
        if (!db_.config().isPostgres()) return;  // the SQLite file goes with the scratch directory
        const std::string schema = store::schemaForDirectory(db_.directory());
        try {
            db_.connection().execute("DROP SCHEMA " + store::quoteIdent(schema) + " CASCADE");
        } catch (const std::exception& e) {
            std::cerr << "Cannot drop the benchmark schema " << schema << ": " << e.what() << '\n';
        }
    }

    void createLedger() override
    {
        db_.createTable(kLedgerTable);
        ledger_.open();
        fields_.emplace(ledger_);
    }

    void insert(std::span<const LedgerRow> rows) override
    {
        store::Transaction transaction(db_);
        for (const LedgerRow& row : rows) {
            ledger_.insert();
            write(row);
            ledger_.post();
        }
        transaction.commit();
    }

    LedgerRow find(const LedgerKey& key) override
    {
        if (!ledger_.findKey({key.client, key.invoice, key.seq}))
            throw std::runtime_error("The store found no ledger entry " + key.client + "/" + key.invoice);
        return current();
    }

    std::int64_t walk() override
    {
        std::int64_t count = 0;
        LedgerRow row;
        for (ledger_.first(); !ledger_.eof(); ledger_.next()) {
            row = current();
            ++count;
        }
        return count;
    }

    void lockAndRelease(std::uint64_t key) override
    {
        auto lock = db_.tryLock(key);
        if (!lock) throw std::runtime_error("The store refused a lock nobody holds");
        db_.release(std::move(lock));
    }

private:
    void write(const LedgerRow& row)
    {
        const LedgerFields& f = *fields_;
        ledger_.setValue(f.client, row.client);
        ledger_.setValue(f.invoice, row.invoice);
        ledger_.setValue(f.reference, row.reference);
        ledger_.setValue(f.date, row.date);
        ledger_.setValue(f.type, row.type);
        ledger_.setValue(f.dueDate, row.dueDate);
        ledger_.setValue(f.amount, Money::fromRaw(row.amount));
        ledger_.setValue(f.memo, row.memo);
        ledger_.setValue(f.salesman, row.salesman);
        ledger_.setValue(f.provincialTax, Money::fromRaw(row.provincialTax));
        ledger_.setValue(f.federalTax, Money::fromRaw(row.federalTax));
        ledger_.setValue(f.user, row.user);
        ledger_.setValue(f.stamp, row.stamp);
    }

    LedgerRow current() const
    {
        const LedgerFields& f = *fields_;
        LedgerRow row;
        row.client = ledger_.value(f.client).asString();
        row.invoice = ledger_.value(f.invoice).asString();
        row.reference = ledger_.value(f.reference).asString();
        row.date = ledger_.value(f.date).asDate();
        row.type = ledger_.value(f.type).asString();
        row.dueDate = ledger_.value(f.dueDate).asDate();
        row.amount = ledger_.value(f.amount).asMoney().raw();
        row.memo = ledger_.value(f.memo).asString();
        row.salesman = ledger_.value(f.salesman).asString();
        row.provincialTax = ledger_.value(f.provincialTax).asMoney().raw();
        row.federalTax = ledger_.value(f.federalTax).asMoney().raw();
        row.seq = ledger_.value(f.seq).asInt();
        row.user = ledger_.value(f.user).asString();
        row.stamp = ledger_.value(f.stamp).asDateTime();
        return row;
    }

    store::Database db_;
    store::Table ledger_;
    std::optional<LedgerFields> fields_;
};

}  // namespace

std::unique_ptr<Workload> storeWorkload(const std::string& directory, const store::StoreConfig& config)
{
    return std::make_unique<StoreWorkload>(directory, config);
}

}  // namespace orvant::bench
