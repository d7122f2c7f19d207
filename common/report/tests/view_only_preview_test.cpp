// A preview that shows a document's pages and offers nothing that prints them.

#include <gtest/gtest.h>

#include <QAction>
#include <QPrintPreviewWidget>

#include "report/view_only_preview.h"
#include "sample_report.h"

namespace orvant::report {
namespace {

TEST(ViewOnlyPreview, shows_every_page_and_has_no_action_to_print_them)
{
    const ReportDocument document = sample::agingReport(200, 10);
    ViewOnlyPreview preview(document, QStringLiteral("no such printer"), nullptr);
    preview.pages()->updatePreview();
    EXPECT_EQ(preview.pages()->pageCount(), document.pageCount());
    EXPECT_TRUE(preview.findChildren<QAction*>().isEmpty()) << "a preview dialog prints and sets up pages through its actions";
}

}  // namespace
}  // namespace orvant::report
