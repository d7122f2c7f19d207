#pragma once
// Lays out a tabular report - aging, lists, inquiries - as a ReportDocument: a heading and the
// column titles on every page, detail rows flowing onto new pages as they fill, groups closed by
// their totals, a summary of the grand totals, and "Page n of m" once the count is known.
//
//     ReportBuilder builder(heading, {{"Client", inches(3)}, {"Balance", inches(1.2), ColumnKind::Amount}});
//     builder.beginGroup("Montréal");
//     builder.addRow({"Café Dupré", Money::fromCents(123456)});
//     builder.endGroup("Total Montréal");
//     ReportDocument document = builder.finish("Total");

#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

#include "money/money.h"
#include "report/page_setup.h"
#include "report/report_document.h"

namespace orvant::report {

// Text columns are left-aligned and elided; Number and Amount columns are right-aligned and
// shrink rather than lose a digit. Only Amount columns are totalled.
enum class ColumnKind { Text, Number, Amount };

struct ReportColumn {
    QString title;
    double width;  // points; all columns are narrowed in proportion when they do not fit the page
    ColumnKind kind = ColumnKind::Text;
};

struct ReportHeading {
    QString title;
    QString companyName;
    QString date;               // shown as given
    QStringList subtitles;      // the period, the range of clients...
    QString pageNumberFormat;   // "Page %1 of %2", "Page %1 de %2"; empty prints no page number
    QString footer;             // at the foot of every page; empty for none
};

struct ReportStyle {
    PageSetup page = PageSetup::letter();
    QString fontFamily = QStringLiteral("Sans Serif");
    double fontSize = 9;
    double columnSpacing = 6;  // points between two columns
    // How amounts are written on the page; empty gives "-1,234.56". Spreadsheet exports always
    // get the plain decimal "-1234.56".
    std::function<QString(Money)> amountText;
};

// A cell holds text, or an amount that Amount columns total.
using Cell = std::variant<QString, Money>;

class ReportBuilder {
public:
    ReportBuilder(ReportHeading heading, std::vector<ReportColumn> columns, ReportStyle style = {});

    // Spreadsheet exports begin each row with the key of the innermost group it lies in, under
    // this title: what the printed group heading tells and a row alone would not. Call it
    // before the first row.
    void exportGroupKeyAs(const QString& title);
    // Opens a group, inside the open one if any; an empty heading prints no group header. The
    // key is what exports show of it (see exportGroupKeyAs).
    void beginGroup(const QString& heading = {}, const QString& exportKey = {});
    // Cells in column order; missing cells at the end are left blank, more cells than columns
    // throw std::invalid_argument.
    void addRow(const std::vector<Cell>& cells);
    // A line of text across the page (an address, a comment under a group's heading); it is no
    // row of the table, so spreadsheet exports leave it out.
    void addNote(const QString& text);
    // Closes the innermost group with a footer of its totals; std::logic_error when none is open.
    void endGroup(const QString& totalLabel);
    // Closes any group still open, adds the summary of grand totals (unless the label is empty)
    // and numbers the pages. The builder is spent afterwards.
    ReportDocument finish(const QString& summaryLabel = {});
    // A summary band of totals the caller made, one per Amount column in order, for reports
    // whose grand total is not one sum (one total per currency); then finish() without label.
    void addSummary(const QString& label, const std::vector<Money>& amountTotals);

    // Where a column lies on the page, in points.
    double columnLeft(int column) const { return columns_.at(column).left; }
    double columnRight(int column) const { return columns_.at(column).right; }

private:
    struct PlacedColumn {
        ReportColumn column;
        double left;
        double right;
    };
    struct PageNumberSlot {
        std::size_t band;
        std::size_t item;
    };
    using Totals = std::vector<Money>;

    void placeColumns(std::vector<ReportColumn> columns);
    double rowHeight() const;
    FontSpec font(double pointSize, bool bold = false) const;
    QRectF bodyArea() const;

    void startPage();
    void addPageHeader();
    void addColumnHeader(double top);
    void addPageFooter();
    // Starts a new page unless `height` (and `keepWithNext` after it) fits below the cursor.
    Band& reserveBand(BandKind kind, double height, double keepWithNext = 0);

    TextItem cellText(int column, double top, const QString& text, bool bold) const;
    QRectF labelRect(double top) const;
    void addTotalsBand(BandKind kind, const QString& label, const Totals& totals);
    void addToTotals(int column, Money amount);
    void numberPages();

    ReportHeading heading_;
    ReportStyle style_;
    std::vector<PlacedColumn> columns_;
    ReportDocument document_;
    std::vector<PageNumberSlot> pageNumbers_;
    std::vector<Totals> openGroups_;
    std::vector<QString> groupKeys_;  // of the open groups, innermost last
    bool exportGroupKey_ = false;
    Totals grandTotals_;
    double cursor_ = 0;     // where the next band goes
    double bodyTop_ = 0;    // below the headers of the current page
    bool pageHasBody_ = false;
};

}  // namespace orvant::report
