#include "aging/aging_report.h"

#include "report/report_builder.h"

namespace orvant::aging {

namespace {

using report::Cell;
using report::ColumnKind;
using report::ReportColumn;
using report::inches;

QString text(const std::string& s) { return QString::fromStdString(s); }

QString rowText(const lang::LanguageTable& table, const QString& form, const char* control, const QString& fallback)
{
    const lang::LanguageRow* row = table.find(form, QString::fromLatin1(control));
    return row && !row->caption.isEmpty() ? row->caption : fallback;
}

std::vector<ReportColumn> columnsOf(const AgingLayoutTexts& texts, const AgingControl& control, const AgingReportSetup& setup)
{
    const bool detailed = setup.detailed;
    const std::vector<double> detailWidths{0.85, 0.8, 0.8, 0.85, 0.45, 0.4, 1.0};
    const std::vector<double> summaryWidths =
        setup.withTelephone ? std::vector<double>{0.9, 2.2, 1.1, 1.0} : std::vector<double>{0.9, 2.2, 1.0};
    const std::vector<double>& widths = detailed ? detailWidths : summaryWidths;
    std::vector<ReportColumn> columns;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const bool last = c + 1 == widths.size();
        const bool days = detailed && c + 2 == widths.size();
        columns.push_back({texts.columns.value(static_cast<qsizetype>(c)), inches(widths[c]),
                           last ? ColumnKind::Amount : days ? ColumnKind::Number : ColumnKind::Text});
    }
    for (const std::string& name : control.bucketNames) columns.push_back({text(name), inches(0.95), ColumnKind::Amount});
    return columns;
}

std::vector<Cell> amounts(const BucketTotals& totals)
{
    std::vector<Cell> cells{totals.amount};
    for (Money bucket : totals.buckets) cells.emplace_back(bucket);
    return cells;
}

// The sign the amounts are printed with: the currency converted into, else the one listed.
int signIndex(const AgingOptions& options)
{
    if (options.convertTo) return *options.convertTo;
    if (options.onlyCurrency) return *options.onlyCurrency;
    return CurrencyFormat::kNoSign;
}

class AgingLayout {
public:
    AgingLayout(AgingRun& run, const AgingLayoutTexts& texts, const AgingReportSetup& setup)
        : run_(run), texts_(texts), setup_(setup), builder_(heading(), columnsOf(texts, run.control(), setup), style())
    {
        // A detailed listing names its party in the group heading; a spreadsheet row needs it.
        if (setup.detailed) builder_.exportGroupKeyAs(texts.code);
    }

    report::ReportDocument build()
    {
        run_.run([&](const AgedParty& party) { setup_.detailed ? addDetail(party) : addSummaryLine(party); });
        const auto& totals = run_.totalsByCurrency();
        if (totals.size() <= 1) return builder_.finish(texts_.total);
        for (const auto& [currency, sums] : totals) {
            std::vector<Money> columns{sums.amount};
            columns.insert(columns.end(), sums.buckets.begin(), sums.buckets.end());
            builder_.addSummary(texts_.total + " " + currencyName(currency), columns);
        }
        return builder_.finish();
    }

private:
    report::ReportHeading heading() const
    {
        const QString time = QString::asprintf("%02d:%02d", setup_.printedAt.msecsOfDay() / 3600000,
                                               setup_.printedAt.msecsOfDay() / 60000 % 60);
        return {.title = texts_.title,
                .companyName = setup_.companyName,
                .date = texts_.printedAt.arg(setup_.dateText(setup_.printedAt.date()), time),
                .subtitles = {texts_.listing, texts_.reportDate.arg(setup_.dateText(run_.options().reportDate)), setup_.userName},
                .pageNumberFormat = texts_.pageNumber,
                .footer = {}};
    }

    report::ReportStyle style() const
    {
        report::ReportStyle style;
        style.page = report::PageSetup::letter(report::Orientation::Landscape);
        style.fontSize = 8;
        CurrencyFormat format;
        const CurrencyTable& currencies = run_.control().currencies;
        format.setSigns(currencies.signs[0], setup_.currencyAlign,
                        {currencies.signs[1], currencies.signs[2], currencies.signs[3], currencies.signs[4]});
        format.setLanguage(setup_.language);
        format.use(signIndex(run_.options()));
        style.amountText = [format](Money amount) { return text(format.format(amount)); };
        return style;
    }

    QString currencyName(int currency) const
    {
        const CurrencyTable& currencies = run_.control().currencies;
        const auto slot = static_cast<std::size_t>(currency);
        if (slot >= currencies.names.size()) return QString::number(currency);
        return text(currencies.names[slot].empty() ? currencies.signs[slot] : currencies.names[slot]);
    }

    QString typeName(const std::string& type) const
    {
        const int n = type.size() == 1 ? type[0] - '1' : -1;
        return n >= 0 && n < setup_.typeNames.size() ? setup_.typeNames[n] : text(type);
    }

    void addNotes(const PartyDetails& party)
    {
        if (setup_.withAddress && setup_.detailed) {
            for (const std::string& line : {party.address1, party.address2, party.city + "  " + party.postalCode, party.country})
                if (!QString::fromStdString(line).trimmed().isEmpty()) builder_.addNote(text(line));
        }
        if (setup_.withComments) builder_.addNote(text(party.comments));  // a blank line when there are none
    }

    // A party without kept entries prints nothing in the detailed listing.
    void addDetail(const AgedParty& party)
    {
        if (party.entries.empty()) return;
        const PartyDetails& d = party.details;
        QString heading = text(d.code) + "   " + text(d.name);
        if (setup_.withTelephone) heading += "   " + texts_.telephone + " " + text(d.telephone);
        builder_.beginGroup(heading, text(d.code));
        addNotes(d);
        for (const AgedEntry& e : party.entries) {
            std::vector<Cell> cells{text(e.entry.invoice), setup_.dateText(e.entry.date), setup_.dateText(e.entry.dueDate),
                                    text(e.entry.reference), typeName(e.entry.type), QString::number(e.days), e.amount};
            for (int b = 1; b <= kBuckets; ++b) cells.emplace_back(b == e.bucket ? Cell(e.amount) : Cell(QString()));
            builder_.addRow(cells);
        }
        builder_.endGroup(text(d.code));
    }

    // A party without kept entries has its line with blank amounts.
    void addSummaryLine(const AgedParty& party)
    {
        const PartyDetails& d = party.details;
        std::vector<Cell> cells{text(d.code), text(d.name)};
        if (setup_.withTelephone) cells.emplace_back(text(d.telephone));
        if (!party.entries.empty()) {
            const std::vector<Cell> sums = amounts(party.totals);
            cells.insert(cells.end(), sums.begin(), sums.end());
        }
        builder_.addRow(cells);
        addNotes(d);
    }

    AgingRun& run_;
    const AgingLayoutTexts& texts_;
    const AgingReportSetup& setup_;
    report::ReportBuilder builder_;
};

}  // namespace

AgingLayoutTexts AgingLayoutTexts::fromTable(const lang::LanguageTable& table, const QString& form, bool detailed, bool telephone)
{
    AgingLayoutTexts t;
    const lang::LanguageRow* formRow = table.find(form, form);
    t.title = formRow && !formRow->caption.isEmpty() ? formRow->caption : QStringLiteral("Aging of Accounts");
    t.listing = rowText(table, form, "ListingLabel", detailed ? QStringLiteral("Detail Listing") : QStringLiteral("Summary Listing"));
    const lang::LanguageRow* columns = table.find(form, QStringLiteral("ColumnTitles"));
    t.columns = columns ? columns->lines
                        : detailed ? QStringList{"Invoice #", "Date", "Due date", "Reference", "Type", "Day", "Amount"}
                        : telephone ? QStringList{"Code", "Name", "Phone", "Amount"}
                                    : QStringList{"Code", "Name", "Amount"};
    t.total = rowText(table, form, "TotalLabel", QStringLiteral("TOTAL"));
    t.telephone = rowText(table, form, "TelephoneLabel", QStringLiteral("Telephone:"));
    t.code = rowText(table, form, "CodeLabel", QStringLiteral("Code"));
    t.printedAt = rowText(table, form, "PrintedLabel", QStringLiteral("Date : %1   Time : %2"));
    t.reportDate = rowText(table, form, "ReportDateLabel", QStringLiteral("At %1"));
    t.pageNumber = rowText(table, form, "PageLabel", QStringLiteral("Page : %1 / %2"));
    return t;
}

AgingLayoutTexts AgingLayoutTexts::fromTable(const lang::LanguageTable& table, const AgingScreenLedger& kind, bool detailed)
{
    const QString form = kind.layoutName(detailed);
    AgingLayoutTexts t = fromTable(table, form, detailed, kind.telephone);
    const lang::LanguageRow* formRow = table.find(form, form);
    if (!formRow || formRow->caption.isEmpty()) t.title = kind.defaultTitle();
    if (!table.find(form, QStringLiteral("ColumnTitles"))) t.columns = kind.defaultColumns(detailed);
    return t;
}

report::ReportDocument BuildAgingReport(AgingRun& run, const AgingLayoutTexts& texts, const AgingReportSetup& setup)
{
    return AgingLayout(run, texts, setup).build();
}

}  // namespace orvant::aging
