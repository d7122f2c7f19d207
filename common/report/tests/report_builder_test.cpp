// Laying out tabular reports: flowing onto pages, headings, page numbers, totals, alignment.

#include <gtest/gtest.h>

#include "report/report_builder.h"
#include "report/tests/sample_report.h"

namespace orvant::report {
namespace {

using namespace sample;

QString grouped(Money amount)
{
    return QString::fromStdString(amount.toGroupedString(2));
}

TEST(ReportBuilder, detail_rows_flow_in_order_onto_pages_that_each_repeat_the_heading_and_column_titles)
{
    const ReportDocument document = agingReport(200, 50);
    ASSERT_GE(document.pageCount(), 3);

    int row = 0;
    for (const ReportPage& page : document.pages) {
        const QStringList texts = page.texts();
        for (const QString& heading : {QStringLiteral("Aged receivables"), QStringLiteral("Quincaillerie Bélanger inc."),
                                       QStringLiteral("31/03/2026"), QStringLiteral("All clients")}) {
            EXPECT_TRUE(texts.contains(heading)) << heading.toStdString();
        }
        ASSERT_EQ(page.bandsOf(BandKind::ColumnHeader).size(), 1u);
        const Band& columnHeader = *page.bandsOf(BandKind::ColumnHeader).front();
        for (const ReportColumn& column : agingColumns()) {
            const TextItem* title = page.findText(column.title);
            ASSERT_NE(title, nullptr) << column.title.toStdString();
            EXPECT_TRUE(columnHeader.rect.contains(title->rect.center()));
        }
        const QRectF content = page.setup.contentRect();
        for (const Band* detail : page.bandsOf(BandKind::Detail)) {
            EXPECT_GE(detail->rect.top(), columnHeader.rect.bottom());
            EXPECT_LE(detail->rect.bottom(), content.bottom());
            EXPECT_EQ(detail->texts().front(), clientName(row++));
        }
    }
    EXPECT_EQ(row, 200);
}

TEST(ReportBuilder, every_page_is_numbered_out_of_the_final_count_in_the_words_given)
{
    for (const QString& format : {QStringLiteral("Page %1 of %2"), QStringLiteral("Page %1 de %2")}) {
        const ReportDocument document = agingReport(200, 50, format);
        const int count = document.pageCount();
        for (int p = 0; p < count; ++p) {
            const TextItem* number = document.pages[p].findText(format.arg(p + 1).arg(count));
            ASSERT_NE(number, nullptr) << format.toStdString() << " on page " << p + 1;
            EXPECT_EQ(number->align, HAlign::Right);
            EXPECT_DOUBLE_EQ(number->rect.right(), document.pages[p].setup.contentRect().right());
        }
    }
}

TEST(ReportBuilder, group_footers_and_the_summary_total_their_rows_under_the_amount_columns)
{
    const ReportDocument document = agingReport(200, 45);
    const std::vector<const Band*> footers = document.bandsOf(BandKind::GroupFooter);
    ASSERT_EQ(footers.size(), 5u);  // 45, 45, 45, 45 and 20 rows

    Money grandCurrent, grandOverdue;
    for (std::size_t group = 0; group < footers.size(); ++group) {
        Money current, overdue;
        for (int row = static_cast<int>(group) * 45; row < std::min(200, static_cast<int>(group + 1) * 45); ++row) {
            current += currentAmount(row);
            overdue += overdueAmount(row);
        }
        grandCurrent += current;
        grandOverdue += overdue;

        EXPECT_EQ(footers[group]->texts(), (QStringList{QStringLiteral("Total territory %1").arg(group + 1), grouped(current), grouped(overdue)}));
    }

    const std::vector<const Band*> summary = document.bandsOf(BandKind::Summary);
    ASSERT_EQ(summary.size(), 1u);
    EXPECT_EQ(summary.front(), &document.pages.back().bands.back()) << "the summary closes the report";
    EXPECT_EQ(summary.front()->texts(), (QStringList{QStringLiteral("Total"), grouped(grandCurrent), grouped(grandOverdue)}));
    const TextItem* current = summary.front()->textItems().at(1);
    const TextItem* currentTitle = document.pages.back().findText(QStringLiteral("Current"));
    EXPECT_DOUBLE_EQ(current->rect.right(), currentTitle->rect.right());
    EXPECT_TRUE(current->font.bold);
}

TEST(ReportBuilder, amounts_end_at_their_column_right_edge_and_texts_start_at_their_left_edge)
{
    ReportBuilder builder(agingHeading(), agingColumns());
    builder.addRow({QStringLiteral("Café Dupré"), QStringLiteral("5001"), Money::fromCents(123456), Money::fromCents(-50)});
    const ReportDocument document = builder.finish();

    const ReportPage& page = document.pages.front();
    const TextItem* name = page.findText(QStringLiteral("Café Dupré"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->align, HAlign::Left);
    EXPECT_DOUBLE_EQ(name->rect.left(), builder.columnLeft(kClient));
    EXPECT_EQ(name->overflow, Overflow::Elide);

    for (const auto& [text, column] : {std::pair{QStringLiteral("5001"), kInvoice}, std::pair{QStringLiteral("1,234.56"), kCurrent},
                                        std::pair{QStringLiteral("-0.50"), kOverdue}}) {
        const TextItem* amount = page.findText(text);
        ASSERT_NE(amount, nullptr) << text.toStdString();
        EXPECT_EQ(amount->align, HAlign::Right);
        EXPECT_DOUBLE_EQ(amount->rect.left(), builder.columnLeft(column));
        EXPECT_DOUBLE_EQ(amount->rect.right(), builder.columnRight(column));
        EXPECT_EQ(amount->overflow, Overflow::Shrink);
    }
    const TextItem* title = page.findText(QStringLiteral("Over 30 days"));
    EXPECT_DOUBLE_EQ(title->rect.right(), builder.columnRight(kOverdue)) << "amount titles line up with their amounts";
}

TEST(ReportBuilder, columns_wider_than_the_page_are_narrowed_to_fit_without_overlapping)
{
    const ReportStyle style;
    const QRectF content = style.page.contentRect();
    ReportBuilder builder(agingHeading(), {{QStringLiteral("A"), inches(5)}, {QStringLiteral("B"), inches(3)},
                                           {QStringLiteral("C"), inches(2), ColumnKind::Amount}});
    EXPECT_DOUBLE_EQ(builder.columnLeft(0), content.left());
    EXPECT_NEAR(builder.columnRight(2), content.right(), 1e-9);
    for (int c = 0; c < 2; ++c) EXPECT_DOUBLE_EQ(builder.columnLeft(c + 1) - builder.columnRight(c), style.columnSpacing);
    EXPECT_NEAR((builder.columnRight(0) - builder.columnLeft(0)) / (builder.columnRight(2) - builder.columnLeft(2)), 2.5, 1e-9);
}

TEST(ReportBuilder, a_group_header_never_ends_a_page_and_a_page_footer_stays_clear_of_the_rows)
{
    ReportHeading heading = agingHeading();
    heading.footer = QStringLiteral("Confidential");
    // However many rows come first, one of these counts leaves room at the foot of the first
    // page for the group header but not for the row under it.
    for (int rowsBefore = 30; rowsBefore < 70; ++rowsBefore) {
        ReportBuilder builder(heading, agingColumns());
        for (int row = 0; row < rowsBefore; ++row) builder.addRow({clientName(row)});
        builder.beginGroup(QStringLiteral("Late group"));
        builder.addRow({clientName(rowsBefore)});
        const ReportDocument document = builder.finish();

        for (const ReportPage& page : document.pages) {
            EXPECT_NE(page.bands.back().kind, BandKind::GroupHeader) << rowsBefore << " rows before";
            ASSERT_EQ(page.bandsOf(BandKind::PageFooter).size(), 1u);
            const Band& footer = *page.bandsOf(BandKind::PageFooter).front();
            EXPECT_EQ(footer.texts(), QStringList{QStringLiteral("Confidential")});
            for (const Band* detail : page.bandsOf(BandKind::Detail)) EXPECT_LE(detail->rect.bottom(), footer.rect.top());
        }
    }
}

TEST(ReportBuilder, the_table_keeps_whole_texts_and_plain_amounts_whatever_the_page_shows)
{
    ReportStyle style;
    style.amountText = [](Money amount) { return QString::fromStdString(amount.toString(2)).replace('.', ',') + " $"; };
    ReportBuilder builder(agingHeading(), agingColumns(), style);
    builder.beginGroup(QStringLiteral("Région"));
    builder.addRow({QStringLiteral("Éditions du Lac, \"Les\""), QStringLiteral("5001"), Money::fromCents(123456)});
    builder.endGroup(QStringLiteral("Total"));
    const ReportDocument document = builder.finish(QStringLiteral("Total"));

    EXPECT_NE(document.pages.front().findText(QStringLiteral("1234,56 $")), nullptr);
    EXPECT_EQ(document.table.columnTitles, (QStringList{"Client", "Invoice", "Current", "Over 30 days"}));
    ASSERT_EQ(document.table.rows.size(), 1u) << "headers and totals are not rows";
    EXPECT_EQ(document.table.rows.front(), (QStringList{QStringLiteral("Éditions du Lac, \"Les\""), "5001", "1234.56", ""}));
}

}  // namespace
}  // namespace orvant::report
