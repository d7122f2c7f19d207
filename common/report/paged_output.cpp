#include "report/paged_output.h"

#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>

#include "report/report_painter.h"

namespace orvant::report {
namespace {

QPageLayout layoutFor(const PageSetup& setup)
{
    const QPageSize paper(setup.paper(), QPageSize::Point);
    const auto orientation = setup.orientation() == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    QPageLayout layout(paper, orientation, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

// The indexes of the pages to paint, in order.
std::vector<int> chosenPages(const ReportDocument& document, const QPageRanges& ranges)
{
    std::vector<int> chosen;
    for (int index = 0; index < document.pageCount(); ++index) {
        if (ranges.isEmpty() || ranges.contains(index + 1)) chosen.push_back(index);
    }
    return chosen;
}

}  // namespace

OutputResult paintDocument(const ReportDocument& document, QPagedPaintDevice& device, const ExportProgress& progress)
{
    const std::vector<int> pages = chosenPages(document, device.pageRanges());
    if (pages.empty()) return OutputResult::failed(QStringLiteral("There is no page to print."));

    device.setPageLayout(layoutFor(document.pages[pages.front()].setup));
    QPainter painter;
    if (!painter.begin(&device)) return OutputResult::failed(QStringLiteral("The printer or the file could not be opened."));

    const int total = static_cast<int>(pages.size());
    for (int done = 0; done < total; ++done) {
        if (progress.cancelled()) {
            painter.end();
            return OutputResult::cancelled();
        }
        const ReportPage& page = document.pages[pages[done]];
        if (done > 0) {
            // Printers refuse a new layout while printing, so it is only set where the paper changes.
            if (!(page.setup == document.pages[pages[done - 1]].setup)) device.setPageLayout(layoutFor(page.setup));
            device.newPage();
        }
        renderPage(page, painter);
        progress.report(done + 1, total);
    }
    if (!painter.end()) return OutputResult::failed(QStringLiteral("The report could not be finished."));
    return OutputResult::done();
}

}  // namespace orvant::report
