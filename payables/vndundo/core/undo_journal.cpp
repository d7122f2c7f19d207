#include "undo_journal.h"

#include <map>

#include "books/control_accounts.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::vndundo {

namespace {

struct StoredLine {
    std::int64_t id = 0;
    int account = 0;
    Money debit, credit;
};

// A header, or a journal and period of the general ledger, with its lines.
struct Candidate {
    JournalPart part;
    std::vector<StoredLine> lines;
};

void bindAll(store::Query& query, const std::vector<store::Value>& binds)
{
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
}

// The journal's number in each currency the books keep.
std::vector<store::Value> journalNumbers(Journal journal)
{
    std::vector<store::Value> numbers;
    for (int currency = 0; const auto number = JournalNumber(journal, currency); ++currency) numbers.push_back(*number);
    return numbers;
}

std::string placeholders(std::size_t count)
{
    std::string marks;
    for (std::size_t i = 0; i < count; ++i) marks += i == 0 ? "?" : ", ?";
    return marks;
}

std::vector<Candidate> journalCandidates(store::Database& books, Journal journal, const std::string& reference, const Date& date)
{
    const std::vector<store::Value> journals = journalNumbers(journal);
    store::Query headers(books, "SELECT tjlh_period, tjlh_journal FROM tjlh WHERE tjlh_reference = ? AND tjlh_date = ? AND tjlh_journal IN (" +
                                    placeholders(journals.size()) + ") ORDER BY tjlh_period, tjlh_journal");
    std::vector<store::Value> binds{reference, date};
    binds.insert(binds.end(), journals.begin(), journals.end());
    bindAll(headers, binds);
    std::vector<Candidate> candidates;
    for (headers.open(); !headers.eof(); headers.next())
        candidates.push_back({{false, static_cast<int>(headers.field(0).asInt()), static_cast<int>(headers.field(1).asInt()), reference, date, 0}, {}});
    store::Query lines(books, "SELECT tjld_autoinc, tjld_account, tjld_debit, tjld_credit FROM tjld WHERE tjld_period = ? AND "
                              "tjld_journal = ? AND tjld_reference = ? AND tjld_date = ? ORDER BY tjld_autoinc");
    for (Candidate& candidate : candidates) {
        lines.close();
        lines.clearBindings();
        bindAll(lines, {candidate.part.period, candidate.part.journal, reference, date});
        for (lines.open(); !lines.eof(); lines.next())
            candidate.lines.push_back({lines.field(0).asInt(), static_cast<int>(lines.field(1).asInt()), lines.field(2).asMoney(),
                                       lines.field(3).asMoney()});
    }
    return candidates;
}

// The general ledger keeps a signed amount: a debit above 0, a credit below.
std::vector<Candidate> ledgerCandidates(store::Database& books, Journal journal, const std::string& reference, const Date& date)
{
    const std::vector<store::Value> journals = journalNumbers(journal);
    store::Query query(books, "SELECT gla_seq, gla_accnt, gla_amount, gla_period, gla_jrnl FROM gla WHERE gla_reference = ? AND "
                              "gla_date = ? AND gla_jrnl IN (" + placeholders(journals.size()) + ") ORDER BY gla_jrnl, gla_period, gla_seq");
    std::vector<store::Value> binds{reference, date};
    binds.insert(binds.end(), journals.begin(), journals.end());
    bindAll(query, binds);
    std::map<std::pair<int, int>, Candidate> groups;
    for (query.open(); !query.eof(); query.next()) {
        const int period = static_cast<int>(query.field(3).asInt()), journal = static_cast<int>(query.field(4).asInt());
        Candidate& group = groups[{journal, period}];
        group.part = {true, period, journal, reference, date, 0};
        const Money amount = query.field(2).asMoney();
        group.lines.push_back({query.field(0).asInt(), static_cast<int>(query.field(1).asInt()), amount.isNegative() ? Money() : amount,
                               amount.isNegative() ? -amount : Money()});
    }
    std::vector<Candidate> candidates;
    for (auto& [key, group] : groups) candidates.push_back(std::move(group));
    return candidates;
}

// The candidate's unclaimed lines that make up the distribution, one for each of its lines;
// nothing when some line of the distribution is not there.
std::optional<std::vector<std::int64_t>> linesFor(const Candidate& candidate, const std::vector<DistributionLine>& distribution,
                                                  const std::set<std::int64_t>& claimed)
{
    std::vector<std::int64_t> taken;
    for (const DistributionLine& wanted : distribution) {
        const auto found = std::find_if(candidate.lines.begin(), candidate.lines.end(), [&](const StoredLine& line) {
            return line.account == wanted.account && line.debit == wanted.debit && line.credit == wanted.credit && !claimed.contains(line.id) &&
                   std::find(taken.begin(), taken.end(), line.id) == taken.end();
        });
        if (found == candidate.lines.end()) return std::nullopt;
        taken.push_back(found->id);
    }
    return taken;
}

void copyLine(store::Table& copies, store::Table& accounts, const JournalPart& part, int account, Money debit, Money credit, int undoNumber)
{
    copies.insert();
    copies.field("Gla_reference") = part.reference;
    copies.field("Gla_date") = part.date;
    copies.field("Gla_journal") = part.journal;
    copies.field("Gla_account") = account;
    copies.field("Gla_description") = accounts.findKey({account}) ? accounts.field("Glm_description").asString() : std::string();
    copies.field("Gla_debit") = debit;
    copies.field("Gla_credit") = credit;
    copies.field("Gla_undo_no") = undoNumber;
    copies.post();
}

void removeJournalLines(store::Database& books, const JournalMatch& match, store::Table& copies, store::Table& accounts, int undoNumber)
{
    const JournalPart& part = match.part;
    store::Table lines(books, "tjld");
    lines.open();
    Money debit, credit;
    for (const std::int64_t id : match.lines) {
        if (!lines.findKey({part.period, part.journal, part.reference, part.date, id})) continue;
        const Money d = lines.field("Tjld_debit").asMoney(), c = lines.field("Tjld_credit").asMoney();
        copyLine(copies, accounts, part, static_cast<int>(lines.field("Tjld_account").asInt()), d, c, undoNumber);
        lines.deleteRecord();
        debit += d;
        credit += c;
    }
    const std::vector<store::Value> key{part.period, part.journal, part.reference, part.date};
    store::Query totals(books, "UPDATE tjlh SET tjlh_tot_debit = COALESCE(tjlh_tot_debit, 0) - ?, tjlh_tot_credit = "
                               "COALESCE(tjlh_tot_credit, 0) - ? WHERE tjlh_period = ? AND tjlh_journal = ? AND tjlh_reference = ? "
                               "AND tjlh_date = ?");
    bindAll(totals, {debit, credit, key[0], key[1], key[2], key[3]});
    books.write([&] { totals.execute(); });
    store::Query empty(books, "DELETE FROM tjlh WHERE tjlh_period = ? AND tjlh_journal = ? AND tjlh_reference = ? AND tjlh_date = ? "
                              "AND NOT EXISTS (SELECT 1 FROM tjld WHERE tjld_period = tjlh_period AND tjld_journal = tjlh_journal "
                              "AND tjld_reference = tjlh_reference AND tjld_date = tjlh_date)");
    bindAll(empty, key);
    books.write([&] { empty.execute(); });
}

void removeLedgerLines(store::Database& books, const JournalMatch& match, store::Table& copies, store::Table& accounts, int undoNumber)
{
    const JournalPart& part = match.part;
    store::Table lines(books, "gla");
    lines.open();
    for (const std::int64_t id : match.lines) {
        if (!lines.findKey({part.reference, part.date, id})) continue;
        const Money amount = lines.field("Gla_amount").asMoney();
        const int account = static_cast<int>(lines.field("Gla_accnt").asInt());
        copyLine(copies, accounts, part, account, amount.isNegative() ? Money() : amount, amount.isNegative() ? -amount : Money(), undoNumber);
        lines.deleteRecord();
        if (part.period < 1 || part.period > 14) continue;
        const std::string field = "glm_current" + std::to_string(part.period);
        store::Query balance(books, "UPDATE glm SET " + field + " = COALESCE(" + field + ", 0) - ? WHERE glm_account = ?");
        bindAll(balance, {amount, account});
        books.write([&] { balance.execute(); });
    }
}

}  // namespace

std::vector<DistributionLine> DistributionOfRecord(store::Database& books, const std::string& table, const DocumentKey& key, int slots)
{
    store::Table records(books, table);
    records.open();
    std::vector<DistributionLine> lines;
    if (!records.findKey({key.reference, key.supplier, key.date, key.seq})) return lines;
    for (int slot = 1; slot <= slots; ++slot) {
        const std::string n = std::to_string(slot);
        const int account = static_cast<int>(records.field("Account" + n).asInt());
        const Money debit = records.field("Debit" + n).asMoney(), credit = records.field("Credit" + n).asMoney();
        if (account == 0 || (debit.isZero() && credit.isZero())) continue;
        lines.push_back(debit.isZero() ? DistributionLine{account, Money(), credit} : DistributionLine{account, debit, Money()});
    }
    return lines;
}

std::variant<JournalMatch, RefusalReason> FindDocumentLines(store::Database& books, Journal journal, const std::string& reference,
                                                            const Date& date, const std::vector<DistributionLine>& distribution,
                                                            ClaimedLines& claimed)
{
    if (distribution.empty()) return JournalMatch{{false, 0, 0, reference, date, 0}, {}};
    std::vector<JournalMatch> found;
    for (const Candidate& candidate : journalCandidates(books, journal, reference, date))
        if (auto lines = linesFor(candidate, distribution, claimed.journal)) found.push_back({candidate.part, std::move(*lines)});
    for (const Candidate& candidate : ledgerCandidates(books, journal, reference, date))
        if (auto lines = linesFor(candidate, distribution, claimed.generalLedger)) found.push_back({candidate.part, std::move(*lines)});
    if (found.empty()) return RefusalReason::JournalNotFound;
    if (found.size() > 1) return RefusalReason::JournalAmbiguous;
    JournalMatch& match = found.front();
    match.part.lines = static_cast<int>(match.lines.size());
    auto& taken = match.part.generalLedger ? claimed.generalLedger : claimed.journal;
    taken.insert(match.lines.begin(), match.lines.end());
    return match;
}

void RemoveDocumentLines(store::Database& books, const JournalMatch& match, int undoNumber)
{
    if (match.lines.empty()) return;
    store::Table copies(books, "glundoap"), accounts(books, "glm");
    copies.open();
    accounts.open();
    if (match.part.generalLedger) removeLedgerLines(books, match, copies, accounts, undoNumber);
    else removeJournalLines(books, match, copies, accounts, undoNumber);
}

}  // namespace orvant::vndundo
