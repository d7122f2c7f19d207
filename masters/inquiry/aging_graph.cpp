#include "aging_graph.h"

#include <algorithm>

#include "aging/aging_run.h"

namespace orvant::inquiry {

using namespace report;

AgingGraph AgeForGraph(store::Database& books, const InquiryLedger& ledger, const std::string& code, Date today)
{
    const aging::AgingControl control = aging::ReadAgingControl(books, ledger.entries, {});
    const aging::BucketTotals totals = aging::AgeOneParty(books, ledger.entries, control, code, today);
    AgingGraph graph;
    for (std::size_t b = 0; b < graph.titles.size(); ++b) {
        graph.titles[b] = QString::fromStdString(control.bucketNames[b]);
        graph.amounts[b] = totals.buckets[b];
    }
    graph.total = totals.amount;
    return graph;
}

QString GraphAmountText(Money amount, AmountLanguage language)
{
    return QString::fromStdString(GroupedAmount(amount, language));
}

namespace {

constexpr double kTitleHeight = 28;
constexpr double kChartHeight = 320;
constexpr double kLabelHeight = 16;

TextItem text(QRectF rect, QString value, double size, bool bold, HAlign align = HAlign::Left)
{
    FontSpec font;
    font.pointSize = size;
    font.bold = bold;
    return TextItem{rect, std::move(value), font, align, align == HAlign::Left ? Overflow::Elide : Overflow::Shrink};
}

// The bars from a base line that leaves room above for the largest amount and below for the
// most negative one.
Band chartBand(const AgingGraph& graph, QRectF area, AmountLanguage language)
{
    Band band{BandKind::Detail, area, {}};
    Money highest, lowest;
    for (Money amount : graph.amounts) {
        highest = std::max(highest, amount);
        lowest = std::min(lowest, amount);
    }
    const double range = (highest - lowest).isZero() ? 1.0 : (highest - lowest).toDouble();
    const double chartTop = area.top();
    const double base = chartTop + kChartHeight * highest.toDouble() / range;
    band.items.push_back(LineItem{QLineF(area.left(), base, area.right(), base), 0.5});
    const double slot = area.width() / static_cast<double>(graph.amounts.size());
    for (std::size_t b = 0; b < graph.amounts.size(); ++b) {
        const double left = area.left() + slot * static_cast<double>(b);
        const double height = kChartHeight * graph.amounts[b].abs().toDouble() / range;
        const double top = graph.amounts[b] < Money() ? base : base - height;
        band.items.push_back(BoxItem{QRectF(left + slot * 0.2, top, slot * 0.6, height), 0.5, QColor(70, 110, 170)});
        const double labels = chartTop + kChartHeight + 6;
        band.items.push_back(text(QRectF(left, labels, slot, kLabelHeight), graph.titles[b], 9, true, HAlign::Center));
        band.items.push_back(
            text(QRectF(left, labels + kLabelHeight, slot, kLabelHeight), GraphAmountText(graph.amounts[b], language), 9, false, HAlign::Center));
    }
    return band;
}

// Each title followed by its amount, one under the other.
Band legendBand(const AgingGraph& graph, QRectF area, AmountLanguage language)
{
    Band band{BandKind::Summary, area, {}};
    const double labelWidth = area.width() * 0.4;
    double top = area.top();
    for (std::size_t b = 0; b < graph.amounts.size(); ++b, top += kLabelHeight) {
        band.items.push_back(text(QRectF(area.left(), top, labelWidth, kLabelHeight), graph.titles[b], 10, false));
        band.items.push_back(text(QRectF(area.left() + labelWidth, top, area.width() * 0.25, kLabelHeight),
                                  GraphAmountText(graph.amounts[b], language), 10, false, HAlign::Right));
    }
    return band;
}

}  // namespace

ReportDocument BuildGraphPrint(const AgingGraph& graph, const QString& title, const QString& partyName, AmountLanguage language)
{
    ReportDocument document;
    document.title = partyName.isEmpty() ? title : partyName + QStringLiteral(" - ") + title;
    ReportPage page(PageSetup::letter());
    const QRectF content = page.setup.contentRect();
    const QRectF titleArea(content.left(), content.top(), content.width(), kTitleHeight);
    page.bands.push_back(Band{BandKind::Title, titleArea, {text(titleArea, document.title, 14, true, HAlign::Center)}});
    const QRectF chart(content.left(), titleArea.bottom() + 12, content.width(), kChartHeight + 6 + 2 * kLabelHeight);
    page.bands.push_back(chartBand(graph, chart, language));
    const QRectF legend(content.left(), chart.bottom() + 24, content.width(), kLabelHeight * aging::kBuckets);
    page.bands.push_back(legendBand(graph, legend, language));
    document.pages.push_back(std::move(page));
    return document;
}

}  // namespace orvant::inquiry
