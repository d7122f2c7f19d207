#include "document_sheet.h"

namespace orvant::inquiry {

using namespace report;

namespace {

constexpr double kLine = 14;
constexpr double kTitle = 26;
constexpr double kLabelShare = 0.3;

TextItem cell(QRectF rect, const QString& text, bool bold, HAlign align = HAlign::Left, double size = 9)
{
    FontSpec font;
    font.pointSize = size;
    font.bold = bold;
    // Amounts shrink rather than lose a digit; words may be cut.
    return TextItem{rect, text, font, align, align == HAlign::Right ? Overflow::Shrink : Overflow::Elide};
}

}  // namespace

DocumentSheet::DocumentSheet(QString title) : setup_(PageSetup::letter()), content_(setup_.contentRect())
{
    document_.title = std::move(title);
    newPage();
}

void DocumentSheet::newPage()
{
    document_.pages.emplace_back(setup_);
    cursor_ = content_.top();
    const QRectF area(content_.left(), cursor_, content_.width(), kTitle);
    document_.pages.back().bands.push_back(
        Band{BandKind::PageHeader, area, {cell(area, document_.title, true, HAlign::Center, 14)}});
    cursor_ = area.bottom() + kLine / 2;
}

Band& DocumentSheet::reserve(BandKind kind, double height)
{
    if (cursor_ + height > content_.bottom()) {
        newPage();
        if (kind == BandKind::Detail && !columns_.empty()) columnTitles();
    }
    ReportPage& page = document_.pages.back();
    page.bands.push_back(Band{kind, QRectF(content_.left(), cursor_, content_.width(), height), {}});
    cursor_ += height;
    return page.bands.back();
}

void DocumentSheet::field(const QString& label, const QString& value)
{
    Band& band = reserve(BandKind::GroupHeader, kLine);
    const double top = band.rect.top();
    const double labelWidth = content_.width() * kLabelShare;
    band.items.push_back(cell(QRectF(content_.left(), top, labelWidth, kLine), label, true));
    band.items.push_back(cell(QRectF(content_.left() + labelWidth, top, content_.width() - labelWidth, kLine), value, false));
}

void DocumentSheet::line(const QString& text, bool bold)
{
    Band& band = reserve(BandKind::GroupHeader, kLine);
    band.items.push_back(cell(band.rect, text, bold));
}

void DocumentSheet::gap() { cursor_ += kLine / 2; }

void DocumentSheet::table(std::vector<SheetColumn> columns)
{
    columns_ = std::move(columns);
    if (cursor_ + 2 * kLine > content_.bottom()) newPage();
    columnTitles();
}

void DocumentSheet::columnTitles()
{
    QStringList titles;
    for (const SheetColumn& column : columns_) titles << column.title;
    Band& band = reserve(BandKind::ColumnHeader, kLine);
    double left = content_.left();
    for (qsizetype c = 0; c < titles.size(); ++c) {
        const SheetColumn& column = columns_[static_cast<std::size_t>(c)];
        const double width = content_.width() * column.share;
        band.items.push_back(cell(QRectF(left + 2, band.rect.top(), width - 4, kLine), titles[c], true, column.align));
        left += width;
    }
    band.items.push_back(LineItem{QLineF(content_.left(), band.rect.bottom(), content_.right(), band.rect.bottom()), 0.5});
}

void DocumentSheet::row(const QStringList& cells, bool bold)
{
    Band& band = reserve(BandKind::Detail, kLine);
    double left = content_.left();
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const double width = content_.width() * columns_[c].share;
        const qsizetype index = static_cast<qsizetype>(c);
        if (index < cells.size() && !cells[index].isEmpty())
            band.items.push_back(cell(QRectF(left + 2, band.rect.top(), width - 4, kLine), cells[index], bold, columns_[c].align));
        left += width;
    }
}

void DocumentSheet::rowAcross(const QString& text)
{
    Band& band = reserve(BandKind::Detail, kLine);
    band.items.push_back(cell(QRectF(content_.left() + 2, band.rect.top(), content_.width() - 4, kLine), text, false));
}

ReportDocument DocumentSheet::finish() { return std::move(document_); }

}  // namespace orvant::inquiry
