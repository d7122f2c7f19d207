// Drawing pages: ink where the items are, within their boxes, nothing in the margins.

#include <gtest/gtest.h>

#include "report/report_painter.h"
#include "report/tests/sample_report.h"

namespace orvant::report {
namespace {

constexpr int kDpi = 150;

// The part of the image under a rectangle given in points, kept inside the image.
QRect pixelsUnder(const QRectF& points, const QImage& image)
{
    const double scale = kDpi / kPointsPerInch;
    const QRectF pixels(points.topLeft() * scale, points.bottomRight() * scale);
    return pixels.toAlignedRect().intersected(image.rect());
}

int inkIn(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) ++dark;
        }
    }
    return dark;
}

int inkOutside(const QImage& image, const QRect& area)
{
    return inkIn(image, image.rect()) - inkIn(image, area);
}

// The smallest rectangle holding all the ink of the image.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

ReportPage pageWith(ReportItem item)
{
    ReportPage page(PageSetup::letter());
    page.bands.push_back(Band{BandKind::Detail, page.setup.contentRect(), {std::move(item)}});
    return page;
}

TEST(ReportPainter, a_report_page_has_ink_under_its_texts_and_none_in_the_margins)
{
    const ReportDocument document = sample::agingReport(30, 10);
    const ReportPage& page = document.pages.front();
    const QImage image = renderPageImage(page, kDpi);
    EXPECT_EQ(image.size(), QSize(8.5 * kDpi, 11 * kDpi));

    for (const QString& text : {QStringLiteral("Aged receivables"), sample::clientName(0), QStringLiteral("1,234.56")}) {
        const TextItem* item = page.findText(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        EXPECT_GT(inkIn(image, pixelsUnder(item->rect, image)), 20) << text.toStdString();
    }
    EXPECT_EQ(inkOutside(image, pixelsUnder(page.setup.contentRect(), image)), 0);
}

TEST(ReportPainter, text_too_long_for_its_box_never_leaves_it_whatever_the_overflow_rule)
{
    const QRectF box(inches(1), inches(1), inches(1), 13);
    const QString longText = QStringLiteral("Établissements Côté & Fils, entrepreneurs généraux de la Rive-Sud");
    for (Overflow overflow : {Overflow::Clip, Overflow::Elide, Overflow::Shrink}) {
        const QImage image = renderPageImage(pageWith(TextItem{box, longText, {}, HAlign::Left, overflow}), kDpi);
        const QRect pixels = pixelsUnder(box, image);
        EXPECT_GT(inkIn(image, pixels), 50) << static_cast<int>(overflow);
        EXPECT_EQ(inkOutside(image, pixels.adjusted(-1, -1, 1, 1)), 0) << static_cast<int>(overflow);
    }
}

TEST(ReportPainter, an_amount_too_wide_for_its_box_shrinks_until_every_digit_shows)
{
    // A small page at a fine resolution, so that the shapes of the texts can be compared.
    constexpr int kFine = 600;
    const QString amount = QStringLiteral("1,234,567,890.12");
    const auto inkOf = [&amount](double boxWidth) {
        ReportPage page(PageSetup(QSizeF(inches(1), inches(4)), Orientation::Landscape, QMarginsF()));
        const QRectF box(inches(0.5), inches(0.25), boxWidth, 13);
        page.bands.push_back(Band{BandKind::Detail, box, {TextItem{box, amount, {}, HAlign::Right, Overflow::Shrink}}});
        return inkBounds(renderPageImage(page, kFine));
    };
    const QRect whole = inkOf(inches(3));
    const QRect shrunk = inkOf(inches(0.5));
    EXPECT_LE(shrunk.width(), 0.5 * kFine);
    EXPECT_LT(shrunk.height(), whole.height());
    const double wholeShape = double(whole.width()) / whole.height();
    EXPECT_NEAR(double(shrunk.width()) / shrunk.height(), wholeShape, wholeShape * 0.1) << "the same text, only smaller";
}

TEST(ReportPainter, a_long_client_name_stays_out_of_the_next_column)
{
    ReportBuilder builder(sample::agingHeading(), sample::agingColumns());
    builder.addRow({QString(200, QLatin1Char('W')), QString(), Money::fromCents(100)});
    const ReportDocument document = builder.finish();
    const ReportPage& page = document.pages.front();
    const QRectF row = page.bandsOf(BandKind::Detail).front()->rect;
    const QImage image = renderPageImage(page, kDpi);

    const auto across = [&row](double left, double right) { return QRectF(left, row.top(), right - left, row.height()); };
    const QRectF client = across(builder.columnLeft(sample::kClient), builder.columnRight(sample::kClient));
    const QRectF invoice = across(builder.columnRight(sample::kClient) + 1, builder.columnRight(sample::kInvoice));
    EXPECT_GT(inkIn(image, pixelsUnder(client, image)), 100);
    EXPECT_EQ(inkIn(image, pixelsUnder(invoice, image)), 0);
}

}  // namespace
}  // namespace orvant::report
