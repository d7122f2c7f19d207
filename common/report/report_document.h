#pragma once
// A report as a device-independent document: pages of bands, each band holding items placed in
// points from the page's top-left corner. Builders fill it, one renderer draws it on any device,
// and tests read it back without painting anything.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <utility>
#include <variant>
#include <vector>

#include "report/page_setup.h"

namespace orvant::report {

enum class BandKind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

enum class HAlign { Left, Center, Right };

// What to do with a text wider than its box. Shrink suits amounts, which must never lose a digit.
enum class Overflow { Clip, Elide, Shrink };

struct FontSpec {
    QString family = QStringLiteral("Sans Serif");
    double pointSize = 9;
    bool bold = false;
    bool italic = false;

    QFont toFont() const;
    bool operator==(const FontSpec&) const = default;
};

// One line of text, vertically centred in its box.
struct TextItem {
    QRectF rect;
    QString text;
    FontSpec font;
    HAlign align = HAlign::Left;
    Overflow overflow = Overflow::Elide;
};

struct LineItem {
    QLineF line;
    double width = 0.5;
};

struct BoxItem {
    QRectF rect;
    double lineWidth = 0.5;  // 0 draws no outline
    QColor fill;             // invalid: not filled
};

// Drawn stretched to its box; whoever places it keeps the image's proportions.
struct ImageItem {
    QRectF rect;
    QImage image;
};

using ReportItem = std::variant<TextItem, LineItem, BoxItem, ImageItem>;

// A horizontal strip of a page.
struct Band {
    BandKind kind;
    QRectF rect;
    std::vector<ReportItem> items;

    std::vector<const TextItem*> textItems() const;
    QStringList texts() const;
};

struct ReportPage {
    explicit ReportPage(PageSetup setup) : setup(std::move(setup)) {}

    PageSetup setup;
    std::vector<Band> bands;

    std::vector<const Band*> bandsOf(BandKind kind) const;
    std::vector<const TextItem*> textItems() const;
    QStringList texts() const;
    // The first text item showing exactly `text`, or null.
    const TextItem* findText(const QString& text) const;
};

// The rows of a tabular report as the user gave them, whole and in column order, kept beside the
// pages so that a spreadsheet export never has to guess them back from positions or elided text.
struct ReportTable {
    QStringList columnTitles;
    std::vector<QStringList> rows;

    bool isEmpty() const { return columnTitles.isEmpty(); }
};

struct ReportDocument {
    QString title;  // names the print job and the PDF
    std::vector<ReportPage> pages;
    ReportTable table;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // The bands of that kind on all pages, in order.
    std::vector<const Band*> bandsOf(BandKind kind) const;
};

}  // namespace orvant::report
