#include "deleted_transactions_report.h"

#include "report/report_builder.h"

namespace orvant::vndundo {

namespace {

using report::ColumnKind;
using report::inches;

const QString kForm = QStringLiteral("Tvndundo_qrfrm");

QString text(const std::string& s) { return QString::fromStdString(s); }

QString rowText(const lang::LanguageTable& table, const char* control, const QString& fallback)
{
    const lang::LanguageRow* row = table.find(kForm, QString::fromLatin1(control));
    return row && !row->caption.isEmpty() ? row->caption : fallback;
}

QStringList rowLines(const lang::LanguageTable& table, const char* control, const QStringList& fallback)
{
    const lang::LanguageRow* row = table.find(kForm, QString::fromLatin1(control));
    return row && row->lines.size() == fallback.size() ? row->lines : fallback;
}

class DeletedLayout {
public:
    DeletedLayout(const UndoReportData& data, const DeletedReportTexts& texts, const DeletedReportSetup& setup)
        : texts_(texts), setup_(setup), builder_(heading(data), columns(), style())
    {
    }

    report::ReportDocument build(const UndoReportData& data)
    {
        for (const UndoneItem& item : data.items) addItem(item);
        builder_.addNote(QString());
        builder_.addNote(texts_.count + " " + QString::number(data.transactionsDeleted()));
        return builder_.finish();
    }

private:
    report::ReportHeading heading(const UndoReportData& data) const
    {
        return {.title = texts_.title,
                .companyName = setup_.companyName,
                .date = texts_.printedOn.arg(setup_.printedAt),
                .subtitles = {texts_.printedBy.arg(setup_.userId), text(data.supplierCode) + "   " + text(data.supplierName)},
                .pageNumberFormat = texts_.pageNumber,
                .footer = {}};
    }

    // The amounts are not totalled: the report counts the transactions.
    std::vector<report::ReportColumn> columns() const
    {
        QStringList titles = texts_.columns;
        const QStringList& taxes = setup_.intl ? texts_.intlTaxColumns : texts_.taxColumns;
        titles.insert(4, taxes.value(1));
        titles.insert(4, taxes.value(0));
        const double widths[] = {0.9, 0.9, 0.8, 0.9, 0.6, 0.6, 0.8, 0.9, 1.0, 1.7};
        std::vector<report::ReportColumn> placed;
        for (int c = 0; c < 10; ++c) placed.push_back({titles.value(c), inches(widths[c]), c >= 3 && c <= 5 ? ColumnKind::Number : ColumnKind::Text});
        return placed;
    }

    report::ReportStyle style() const
    {
        report::ReportStyle style;
        style.page = report::PageSetup::letter(report::Orientation::Landscape);
        style.amountText = setup_.amountText;
        return style;
    }

    // The tax columns stay empty: a payables item carries no tax of its own.
    void addItem(const UndoneItem& item)
    {
        builder_.addRow({text(item.invoice), text(item.reference), setup_.dateText(item.date), item.amount, QString(), QString(),
                         setup_.dateText(item.dueDate), setup_.typeName(item.type), text(item.deletedBy), setup_.timeText(item.timeDeleted)});
        for (const UndoneLine& line : item.lines) {
            if (!line.debit.isZero()) builder_.addNote(lineText(line, texts_.debit, line.debit));
            if (!line.credit.isZero()) builder_.addNote(lineText(line, texts_.credit, line.credit));
        }
    }

    QString lineText(const UndoneLine& line, const QString& side, Money amount) const
    {
        return QStringLiteral("        ") + texts_.line.arg(QString::number(line.account), text(line.description), side, setup_.amountText(amount));
    }

    const DeletedReportTexts& texts_;
    const DeletedReportSetup& setup_;
    report::ReportBuilder builder_;
};

}  // namespace

DeletedReportTexts DeletedReportTexts::fromTable(const lang::LanguageTable& table)
{
    DeletedReportTexts t;
    const lang::LanguageRow* formRow = table.find(kForm, kForm);
    t.title = formRow && !formRow->caption.isEmpty() ? formRow->caption : QStringLiteral("Deleted transactions - accounts payable");
    t.printedOn = rowText(table, "DateLabel", QStringLiteral("Date : %1"));
    t.pageNumber = rowText(table, "PageLabel", QStringLiteral("Page : %1 / %2"));
    t.printedBy = rowText(table, "UserLabel", QStringLiteral("User : %1"));
    t.columns = rowLines(table, "ColumnTitles",
                         {"Invoice", "Reference", "Date", "Amount", "Due date", "Type", "Deleted by", "Time deleted"});
    t.taxColumns = rowLines(table, "TaxTitles", {"Gst", "Pst"});
    t.intlTaxColumns = rowLines(table, "IntlTaxTitles", {"Tax 1", "Tax 2"});
    t.line = rowText(table, "LineLabel", QStringLiteral("Account %1   %2   %3 %4"));
    t.debit = rowText(table, "DebitLabel", QStringLiteral("Debit"));
    t.credit = rowText(table, "CreditLabel", QStringLiteral("Credit"));
    t.count = rowText(table, "CountLabel", QStringLiteral("Transactions deleted:"));
    return t;
}

report::ReportDocument BuildDeletedTransactionsReport(const UndoReportData& data, const DeletedReportTexts& texts,
                                                      const DeletedReportSetup& setup)
{
    return DeletedLayout(data, texts, setup).build(data);
}

}  // namespace orvant::vndundo
