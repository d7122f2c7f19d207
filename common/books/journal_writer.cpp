#include "books/journal_writer.h"

namespace orvant {

namespace {

// Made with its first row's amount, or that amount added to the totals it has.
constexpr const char* kHeaderUpsert =
    "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
    "tjlh_tot_debit, tjlh_tot_credit) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
    "ON CONFLICT (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date) DO UPDATE SET "
    "tjlh_tot_debit = COALESCE(tjlh.tjlh_tot_debit, 0) + excluded.tjlh_tot_debit, "
    "tjlh_tot_credit = COALESCE(tjlh.tjlh_tot_credit, 0) + excluded.tjlh_tot_credit";

}  // namespace

JournalWriter::JournalWriter(store::Database& company) : headerUpsert_(company, kHeaderUpsert), lines_(company, "tjld")
{
    lines_.open();
}

void JournalWriter::addRow(const JournalKey& key, const JournalHeaderText& header, int account, const std::string& description,
                           Money debit, Money credit)
{
    if (account == 0 || (debit.isZero() && credit.isZero())) return;
    const bool onDebit = !debit.isZero();
    addToHeader(key, header, onDebit ? debit : Money(), onDebit ? Money() : credit);
    addLine(key, account, description, debit, credit);
}

void JournalWriter::addToHeader(const JournalKey& key, const JournalHeaderText& header, Money debit, Money credit)
{
    const store::Value values[] = {key.period, key.journal, key.reference, key.date, header.memo, header.user,
                                   DateTime::now(), debit, credit};
    headerUpsert_.clearBindings();
    for (int i = 0; i < 9; ++i) headerUpsert_.bind(i, values[i]);
    headerUpsert_.executeLater();
}

namespace {

bool written(const JournalLine& line) { return line.account != 0 && !(line.debit.isZero() && line.credit.isZero()); }

}  // namespace

void JournalWriter::addLine(const JournalKey& key, int account, const std::string& description, Money debit, Money credit)
{
    addLines(key, {{account, description, debit, credit}});
}

void JournalWriter::addLines(const JournalKey& key, const std::vector<JournalLine>& lines)
{
    std::vector<const JournalLine*> kept;
    for (const JournalLine& line : lines)
        if (written(line)) kept.push_back(&line);
    lines_.insertRecords(kept.size(), [&](std::size_t i) { fillLine(key, *kept[i]); });
}

// A line holds its debit, or its credit when it has no debit; never both.
void JournalWriter::fillLine(const JournalKey& key, const JournalLine& line)
{
    const bool onDebit = !line.debit.isZero();
    lines_.field("Tjld_period") = key.period;
    lines_.field("Tjld_journal") = key.journal;
    lines_.field("Tjld_reference") = key.reference;
    lines_.field("Tjld_date") = key.date;
    lines_.field("Tjld_account") = line.account;
    lines_.field("Tjld_description") = line.description;
    lines_.field("Tjld_debit") = onDebit ? line.debit : Money();
    lines_.field("Tjld_credit") = onDebit ? Money() : line.credit;
}

}  // namespace orvant
