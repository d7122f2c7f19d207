// Print screen: the form's picture on one page, printed like any report.

#include <gtest/gtest.h>

#include <QPalette>
#include <QWidget>

#include "report/report_painter.h"
#include "report/screen_print.h"

namespace orvant::report {
namespace {

std::unique_ptr<QWidget> formOf(QSize size, const QString& title)
{
    auto form = std::make_unique<QWidget>();
    form->setWindowTitle(title);
    form->setFixedSize(size);
    form->setAutoFillBackground(true);
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    form->setPalette(palette);
    return form;
}

const ImageItem& theImage(const ReportDocument& document)
{
    const std::vector<const Band*> bands = document.pages.front().bandsOf(BandKind::Detail);
    EXPECT_EQ(bands.size(), 1u);
    return std::get<ImageItem>(bands.front()->items.front());
}

TEST(ScreenPrint, a_wide_form_fills_a_landscape_page_below_its_title_in_its_own_proportions)
{
    const auto form = formOf(QSize(800, 500), QStringLiteral("Clients — Fiche"));
    const ReportDocument document = documentFromWidget(form.get());

    ASSERT_EQ(document.pageCount(), 1);
    const ReportPage& page = document.pages.front();
    EXPECT_EQ(page.setup.orientation(), Orientation::Landscape);
    const TextItem* title = page.findText(QStringLiteral("Clients — Fiche"));
    ASSERT_NE(title, nullptr);

    const ImageItem& image = theImage(document);
    EXPECT_NEAR(image.rect.width() / image.rect.height(), 800.0 / 500.0, 1e-6);
    EXPECT_TRUE(page.setup.contentRect().contains(image.rect));
    EXPECT_GE(image.rect.top(), title->rect.bottom());
    EXPECT_DOUBLE_EQ(image.rect.width(), page.setup.contentRect().width()) << "as large as the page allows";
}

TEST(ScreenPrint, a_tall_form_is_printed_upright_and_shows_on_the_page)
{
    const auto form = formOf(QSize(300, 600), QString());
    const ReportDocument document = documentFromWidget(form.get());
    const ReportPage& page = document.pages.front();
    EXPECT_EQ(page.setup.orientation(), Orientation::Portrait);
    EXPECT_TRUE(page.bandsOf(BandKind::Title).empty());

    const ImageItem& image = theImage(document);
    EXPECT_NEAR(image.rect.width() / image.rect.height(), 0.5, 1e-6);
    EXPECT_DOUBLE_EQ(image.rect.height(), page.setup.contentRect().height());

    const QImage printed = renderPageImage(page, 72);
    EXPECT_EQ(QColor(printed.pixel(image.rect.center().toPoint())), QColor(Qt::blue));
}

}  // namespace
}  // namespace orvant::report
