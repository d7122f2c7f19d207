#include "report/report_builder.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace orvant::report {
namespace {

constexpr double kLeading = 1.4;        // line height as a multiple of the font size
constexpr double kTitleGrowth = 5;      // the report title is this many points above the body size
constexpr double kCompanyGrowth = 2;
constexpr double kHeaderRule = 0.75;    // under the column titles
constexpr double kTotalRule = 0.5;      // over and under totals
constexpr double kRuleGap = 2;          // between a rule and the text it underlines or tops

void addShown(Band& band, TextItem item)
{
    if (!item.text.isEmpty()) band.items.push_back(std::move(item));
}

}  // namespace

ReportBuilder::ReportBuilder(ReportHeading heading, std::vector<ReportColumn> columns, ReportStyle style)
    : heading_(std::move(heading)), style_(std::move(style)), grandTotals_(columns.size())
{
    if (!style_.amountText) {
        style_.amountText = [](Money amount) { return QString::fromStdString(amount.toGroupedString(2)); };
    }
    document_.title = heading_.title;
    for (const ReportColumn& column : columns) document_.table.columnTitles.append(column.title);
    placeColumns(std::move(columns));
    startPage();
}

void ReportBuilder::placeColumns(std::vector<ReportColumn> columns)
{
    const QRectF content = style_.page.contentRect();
    const double spacing = columns.empty() ? 0 : style_.columnSpacing * static_cast<double>(columns.size() - 1);
    const double wanted = std::accumulate(columns.begin(), columns.end(), 0.0,
                                          [](double sum, const ReportColumn& c) { return sum + c.width; });
    const double scale = wanted > 0 ? std::min(1.0, (content.width() - spacing) / wanted) : 1.0;

    double left = content.left();
    for (ReportColumn& column : columns) {
        const double right = left + column.width * scale;
        columns_.push_back({std::move(column), left, right});
        left = right + style_.columnSpacing;
    }
}

double ReportBuilder::rowHeight() const
{
    return style_.fontSize * kLeading;
}

FontSpec ReportBuilder::font(double pointSize, bool bold) const
{
    return {.family = style_.fontFamily, .pointSize = pointSize, .bold = bold};
}

QRectF ReportBuilder::bodyArea() const
{
    QRectF area = style_.page.contentRect();
    area.setTop(bodyTop_);
    if (!heading_.footer.isEmpty()) area.setBottom(area.bottom() - 2 * rowHeight());
    return area;
}

void ReportBuilder::startPage()
{
    document_.pages.emplace_back(style_.page);
    addPageHeader();
    addColumnHeader(cursor_);
    addPageFooter();
    bodyTop_ = cursor_;
    pageHasBody_ = false;
}

void ReportBuilder::addPageHeader()
{
    const QRectF content = style_.page.contentRect();
    const double side = content.width() / 4;  // the date and the page number take a quarter each
    const double firstLine = (style_.fontSize + kCompanyGrowth) * kLeading;
    auto line = [&](double top, double height, const QString& text, const FontSpec& lineFont) {
        return TextItem{QRectF(content.left(), top, content.width(), height), text, lineFont, HAlign::Center};
    };

    ReportPage& page = document_.pages.back();
    Band band{BandKind::PageHeader, {}, {}};
    addShown(band, TextItem{QRectF(content.left(), content.top(), side, firstLine), heading_.date, font(style_.fontSize)});
    addShown(band, TextItem{QRectF(content.left() + side, content.top(), content.width() - 2 * side, firstLine),
                            heading_.companyName, font(style_.fontSize + kCompanyGrowth, true), HAlign::Center});
    if (!heading_.pageNumberFormat.isEmpty()) {
        pageNumbers_.push_back({page.bands.size(), band.items.size()});
        band.items.push_back(TextItem{QRectF(content.right() - side, content.top(), side, firstLine), {},
                                      font(style_.fontSize), HAlign::Right});
    }
    double top = content.top() + firstLine;

    const double titleSize = style_.fontSize + kTitleGrowth;
    addShown(band, line(top, titleSize * kLeading, heading_.title, font(titleSize, true)));
    top += titleSize * kLeading;
    for (const QString& subtitle : heading_.subtitles) {
        addShown(band, line(top, rowHeight(), subtitle, font(style_.fontSize)));
        top += rowHeight();
    }
    top += rowHeight() / 2;

    band.rect = QRectF(content.left(), content.top(), content.width(), top - content.top());
    page.bands.push_back(std::move(band));
    cursor_ = top;
}

void ReportBuilder::addColumnHeader(double top)
{
    const QRectF content = style_.page.contentRect();
    const double ruleAt = top + rowHeight();
    Band band{BandKind::ColumnHeader, QRectF(content.left(), top, content.width(), rowHeight() + kRuleGap), {}};
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        band.items.push_back(cellText(static_cast<int>(c), top, columns_[c].column.title, true));
    }
    band.items.push_back(LineItem{QLineF(content.left(), ruleAt, content.right(), ruleAt), kHeaderRule});
    cursor_ = band.rect.bottom();
    document_.pages.back().bands.push_back(std::move(band));
}

void ReportBuilder::addPageFooter()
{
    if (heading_.footer.isEmpty()) return;
    const QRectF content = style_.page.contentRect();
    const QRectF rect(content.left(), content.bottom() - rowHeight(), content.width(), rowHeight());
    Band band{BandKind::PageFooter, rect, {}};
    band.items.push_back(TextItem{rect, heading_.footer, font(style_.fontSize - 1), HAlign::Center});
    document_.pages.back().bands.push_back(std::move(band));
}

Band& ReportBuilder::reserveBand(BandKind kind, double height, double keepWithNext)
{
    // A page with no body yet takes the band whatever its height, so that flowing always ends.
    if (pageHasBody_ && cursor_ + height + keepWithNext > bodyArea().bottom()) startPage();
    const QRectF content = style_.page.contentRect();
    ReportPage& page = document_.pages.back();
    page.bands.push_back(Band{kind, QRectF(content.left(), cursor_, content.width(), height), {}});
    cursor_ += height;
    pageHasBody_ = true;
    return page.bands.back();
}

TextItem ReportBuilder::cellText(int column, double top, const QString& text, bool bold) const
{
    const PlacedColumn& placed = columns_.at(column);
    const bool isText = placed.column.kind == ColumnKind::Text;
    return TextItem{QRectF(placed.left, top, placed.right - placed.left, rowHeight()), text,
                    font(style_.fontSize, bold), isText ? HAlign::Left : HAlign::Right,
                    isText ? Overflow::Elide : Overflow::Shrink};
}

// A totals label runs from the left margin up to the first amount it totals.
QRectF ReportBuilder::labelRect(double top) const
{
    const QRectF content = style_.page.contentRect();
    double right = content.right();
    for (const PlacedColumn& placed : columns_) {
        if (placed.column.kind == ColumnKind::Amount) {
            right = placed.left - style_.columnSpacing;
            break;
        }
    }
    return QRectF(content.left(), top, std::max(0.0, right - content.left()), rowHeight());
}

void ReportBuilder::exportGroupKeyAs(const QString& title)
{
    document_.table.columnTitles.prepend(title);
    exportGroupKey_ = true;
}

void ReportBuilder::beginGroup(const QString& heading, const QString& exportKey)
{
    openGroups_.emplace_back(columns_.size());
    groupKeys_.push_back(exportKey);
    if (heading.isEmpty()) return;
    const double gapAbove = rowHeight() / 2;
    Band& band = reserveBand(BandKind::GroupHeader, gapAbove + rowHeight(), rowHeight());
    const QRectF content = style_.page.contentRect();
    band.items.push_back(TextItem{QRectF(content.left(), band.rect.top() + gapAbove, content.width(), rowHeight()),
                                  heading, font(style_.fontSize, true)});
}

void ReportBuilder::addRow(const std::vector<Cell>& cells)
{
    if (cells.size() > columns_.size()) throw std::invalid_argument("ReportBuilder::addRow: more cells than columns");
    Band& band = reserveBand(BandKind::Detail, rowHeight());
    QStringList exported;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        QString shown;
        if (c >= cells.size()) {
            exported.append(QString());
        } else if (const Money* amount = std::get_if<Money>(&cells[c])) {
            if (columns_[c].column.kind == ColumnKind::Amount) addToTotals(static_cast<int>(c), *amount);
            shown = style_.amountText(*amount);
            exported.append(QString::fromStdString(amount->toString(2)));
        } else {
            shown = std::get<QString>(cells[c]);
            exported.append(shown);
        }
        if (!shown.isEmpty()) band.items.push_back(cellText(static_cast<int>(c), band.rect.top(), shown, false));
    }
    if (exportGroupKey_) exported.prepend(groupKeys_.empty() ? QString() : groupKeys_.back());
    document_.table.rows.push_back(std::move(exported));
}

void ReportBuilder::addNote(const QString& text)
{
    Band& band = reserveBand(BandKind::Detail, rowHeight());
    const QRectF content = style_.page.contentRect();
    addShown(band, TextItem{QRectF(content.left(), band.rect.top(), content.width(), rowHeight()), text, font(style_.fontSize)});
}

void ReportBuilder::endGroup(const QString& totalLabel)
{
    if (openGroups_.empty()) throw std::logic_error("ReportBuilder::endGroup: no group is open");
    const Totals totals = std::move(openGroups_.back());
    openGroups_.pop_back();
    groupKeys_.pop_back();
    addTotalsBand(BandKind::GroupFooter, totalLabel, totals);
}

ReportDocument ReportBuilder::finish(const QString& summaryLabel)
{
    while (!openGroups_.empty()) endGroup({});
    if (!summaryLabel.isEmpty()) addTotalsBand(BandKind::Summary, summaryLabel, grandTotals_);
    numberPages();
    return std::move(document_);
}

void ReportBuilder::addSummary(const QString& label, const std::vector<Money>& amountTotals)
{
    Totals totals(columns_.size());
    auto given = amountTotals.begin();
    for (std::size_t c = 0; c < columns_.size() && given != amountTotals.end(); ++c)
        if (columns_[c].column.kind == ColumnKind::Amount) totals[c] = *given++;
    addTotalsBand(BandKind::Summary, label, totals);
}

// Totals sit under a single rule; the grand totals also get the accountant's double rule below.
void ReportBuilder::addTotalsBand(BandKind kind, const QString& label, const Totals& totals)
{
    const bool summary = kind == BandKind::Summary;
    const double doubleRule = summary ? 2 * kRuleGap : 0;
    Band& band = reserveBand(kind, kRuleGap + rowHeight() + doubleRule + rowHeight() / 2);
    const double top = band.rect.top() + kRuleGap;
    addShown(band, TextItem{labelRect(top), label, font(style_.fontSize, true)});

    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const PlacedColumn& placed = columns_[c];
        if (placed.column.kind != ColumnKind::Amount) continue;
        const auto rule = [&](double y) { band.items.push_back(LineItem{QLineF(placed.left, y, placed.right, y), kTotalRule}); };
        rule(band.rect.top());
        band.items.push_back(cellText(static_cast<int>(c), top, style_.amountText(totals[c]), true));
        if (summary) {
            rule(top + rowHeight() + kRuleGap / 2);
            rule(top + rowHeight() + 3 * kRuleGap / 2);
        }
    }
}

void ReportBuilder::addToTotals(int column, Money amount)
{
    grandTotals_[column] += amount;
    for (Totals& group : openGroups_) group[column] += amount;
}

void ReportBuilder::numberPages()
{
    const QString count = QString::number(document_.pageCount());
    for (std::size_t p = 0; p < pageNumbers_.size(); ++p) {
        const PageNumberSlot slot = pageNumbers_[p];
        auto& item = std::get<TextItem>(document_.pages[p].bands[slot.band].items[slot.item]);
        item.text = heading_.pageNumberFormat.arg(QString::number(p + 1), count);
    }
}

}  // namespace orvant::report
