#pragma once
// A document printed as a form rather than a listing: a title, its header as labelled values,
// then tables of lines, flowing onto a new page when one is full. The previews of the inquiries
// are laid out with it.

#include <QString>
#include <QStringList>
#include <vector>

#include "report/report_document.h"

namespace orvant::inquiry {

struct SheetColumn {
    QString title;
    double share;  // of the page's width
    report::HAlign align = report::HAlign::Left;
};

class DocumentSheet {
public:
    explicit DocumentSheet(QString title);

    // A label and its value on a line of their own.
    void field(const QString& label, const QString& value);
    // A text across the page.
    void line(const QString& text, bool bold = false);
    // Starts a table: its column titles are printed now and again at the top of every page it
    // flows onto.
    void table(std::vector<SheetColumn> columns);
    void row(const QStringList& cells, bool bold = false);
    // A line of the table whose text runs across the page, over its columns.
    void rowAcross(const QString& text);
    void gap();

    report::ReportDocument finish();

private:
    void newPage();
    report::Band& reserve(report::BandKind kind, double height);
    void columnTitles();

    report::ReportDocument document_;
    report::PageSetup setup_;
    QRectF content_;
    double cursor_ = 0;
    std::vector<SheetColumn> columns_;
};

}  // namespace orvant::inquiry
