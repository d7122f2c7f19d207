#include "cheque_list_report.h"

#include "report/report_builder.h"

namespace orvant::vndcheqlist {

namespace {

using report::Cell;
using report::ColumnKind;
using report::inches;

QString text(const std::string& s) { return QString::fromStdString(s); }

QString rowText(const lang::LanguageTable& table, const char* control, const QString& fallback)
{
    const lang::LanguageRow* row = table.find(QStringLiteral("Tvndcheqlist_qrfrm"), QString::fromLatin1(control));
    return row && !row->caption.isEmpty() ? row->caption : fallback;
}

std::vector<report::ReportColumn> columnsOf(const QStringList& titles)
{
    const double widths[] = {1.3, 1.1, 1.1, 1.3, 1.2, 1.3};
    std::vector<report::ReportColumn> columns;
    for (int c = 0; c < 6; ++c) columns.push_back({titles.value(c), inches(widths[c]), c < 3 ? ColumnKind::Text : ColumnKind::Amount});
    return columns;
}

// The payee's address as printed: the lines that hold something.
QStringList addressOf(const cheques::Cheque& c)
{
    QStringList lines;
    const std::string place = c.city + (c.postalCode.empty() ? "" : "  " + c.postalCode) + (c.province.empty() ? "" : "  " + c.province);
    for (const std::string& line : {c.address1, c.address2, place, c.country})
        if (!text(line).trimmed().isEmpty()) lines << text(line).trimmed();
    return lines;
}

class ChequeListLayout {
public:
    ChequeListLayout(const ChequeReportTexts& texts, const ChequeReportSetup& setup)
        : texts_(texts), setup_(setup), builder_(heading(), columnsOf(texts.columns), style())
    {
        builder_.exportGroupKeyAs(texts.cheque.arg(QString()).trimmed());
    }

    report::ReportDocument build(const std::vector<cheques::Cheque>& cheques)
    {
        Money amounts, discounts, total;
        for (const cheques::Cheque& c : cheques) {
            addCheque(c);
            for (const cheques::ChequeLine& line : c.lines) {
                amounts += line.amount;
                discounts += line.discount;
            }
            total += c.amount;
        }
        builder_.addSummary(texts_.total, {amounts, discounts, total});
        builder_.addNote(texts_.count + " " + QString::number(cheques.size()));
        return builder_.finish();
    }

private:
    report::ReportHeading heading() const
    {
        return {.title = texts_.title,
                .companyName = setup_.companyName,
                .date = texts_.printedOn.arg(setup_.dateText(setup_.today)),
                .subtitles = {setup_.userName, texts_.discountDate.arg(setup_.dateText(setup_.chequeDate)),
                              texts_.dueBefore + setup_.dateText(setup_.dueBefore)},
                .pageNumberFormat = texts_.pageNumber,
                .footer = {}};
    }

    report::ReportStyle style() const
    {
        report::ReportStyle style;
        style.page = report::PageSetup::letter(report::Orientation::Portrait);
        const CurrencyFormat amounts = setup_.amounts;
        style.amountText = [amounts](Money amount) { return text(amounts.format(amount)); };
        return style;
    }

    void addCheque(const cheques::Cheque& c)
    {
        const QString seq = QString::number(c.seq);
        builder_.beginGroup(texts_.cheque.arg(seq) + "   " + text(c.supplier) + "   " + text(c.name), seq);
        for (const QString& line : addressOf(c)) builder_.addNote(line);
        builder_.addNote(text(c.words).simplified());
        builder_.addNote(texts_.chequeDate.arg(setup_.dateText(c.date)) + "      " +
                         texts_.chequeAmount.arg(text(setup_.amounts.format(c.amount))));
        for (const cheques::ChequeLine& line : c.lines)
            builder_.addRow({invoiceOf(line), setup_.dateText(line.date), setup_.dateText(line.dueDate), line.amount, line.discount,
                             line.payment});
        builder_.endGroup(texts_.chequeTotal);
    }

    // An invoice and its holdback are paid by two lines: the holdback's says so.
    QString invoiceOf(const cheques::ChequeLine& line) const
    {
        return line.holdback ? texts_.holdback.arg(text(line.invoice)) : text(line.invoice);
    }

    const ChequeReportTexts& texts_;
    const ChequeReportSetup& setup_;
    report::ReportBuilder builder_;
};

}  // namespace

ChequeReportTexts ChequeReportTexts::fromTable(const lang::LanguageTable& table)
{
    ChequeReportTexts t;
    const QString form = QStringLiteral("Tvndcheqlist_qrfrm");
    const lang::LanguageRow* formRow = table.find(form, form);
    t.title = formRow && !formRow->caption.isEmpty() ? formRow->caption : QStringLiteral("List of cheques to be issued");
    t.printedOn = rowText(table, "DateLabel", QStringLiteral("Date : %1"));
    t.pageNumber = rowText(table, "PageLabel", QStringLiteral("Page : %1 / %2"));
    t.discountDate = rowText(table, "DiscountDateLabel", QStringLiteral("Apply discount date %1"));
    // The screen's message 1 heads the due date.
    const lang::LanguageRow* messages = table.find(QStringLiteral("Tvndcheqlist_frm"), QStringLiteral("IntlStrings1"));
    t.dueBefore = messages && messages->lines.size() > 1 ? messages->lines[1] : QStringLiteral("Transactions due up to this date: ");
    const lang::LanguageRow* columns = table.find(form, QStringLiteral("ColumnTitles"));
    t.columns = columns && columns->lines.size() == 6
                    ? columns->lines
                    : QStringList{"Invoice", "Date of invoice", "Due date ", "Amount", "Discount", "Payment"};
    t.cheque = rowText(table, "ChequeLabel", QStringLiteral("Cheque %1"));
    t.chequeDate = rowText(table, "ChequeDateLabel", QStringLiteral("Date: %1"));
    t.chequeAmount = rowText(table, "ChequeAmountLabel", QStringLiteral("Amount: %1"));
    t.holdback = rowText(table, "HoldbackLabel", QStringLiteral("Holdback %1"));
    t.chequeTotal = rowText(table, "ChequeTotalLabel", QStringLiteral("Total"));
    t.total = rowText(table, "TotalLabel", QStringLiteral("Total amount for cheques:"));
    t.count = rowText(table, "CountLabel", QStringLiteral("Number of cheques issued:"));
    return t;
}

report::ReportDocument BuildChequeListReport(const std::vector<cheques::Cheque>& cheques, const ChequeReportTexts& texts,
                                             const ChequeReportSetup& setup)
{
    return ChequeListLayout(texts, setup).build(cheques);
}

}  // namespace orvant::vndcheqlist
