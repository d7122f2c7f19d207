// PDF files, printers and the print preview: all painted by paintDocument, read back as text.

#include <gtest/gtest.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "report/paged_output.h"
#include "report/pdf_export.h"
#include "report/printing.h"
#include "report/tests/sample_report.h"

namespace orvant::report {
namespace {

class PdfTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // The text of the PDF laid out as on the page; pages are separated by form feeds.
    static QString textOf(const QString& pdf)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static int pagesIn(const QString& text) { return static_cast<int>(text.count(QLatin1Char('\f'))); }

    QTemporaryDir dir_;
};

ReportDocument invoicesOfCafe()
{
    ReportBuilder builder(sample::agingHeading(), sample::agingColumns());
    builder.beginGroup(QStringLiteral("Montréal"));
    builder.addRow({QStringLiteral("Café Élégance à Montréal"), QStringLiteral("5001"), Money::fromCents(123456)});
    builder.endGroup(QStringLiteral("Total Montréal"));
    return builder.finish(QStringLiteral("Total"));
}

TEST_F(PdfTest, the_pdf_reads_back_with_its_title_accents_amounts_and_page_numbers)
{
    ASSERT_TRUE(exportPdf(invoicesOfCafe(), path("cafe.pdf")).ok());
    const QString text = textOf(path("cafe.pdf"));
    for (const QString& expected : {QStringLiteral("Aged receivables"), QStringLiteral("Quincaillerie Bélanger inc."),
                                    QStringLiteral("Café Élégance à Montréal"), QStringLiteral("1,234.56"), QStringLiteral("Page 1 of 1")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in\n" << text.toStdString();
    }
    const QString detailLine = text.split(QLatin1Char('\n')).filter(QStringLiteral("Café")).value(0);
    EXPECT_LT(detailLine.indexOf(QStringLiteral("Café")), detailLine.indexOf(QStringLiteral("1,234.56"))) << "one line, in column order";
}

TEST_F(PdfTest, a_printer_prints_the_pages_the_user_chose)
{
    const ReportDocument document = sample::agingReport(200, 50);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    printer.setFromTo(2, 3);
    ASSERT_TRUE(paintDocument(document, printer).ok());

    const QString text = textOf(path("printed.pdf"));
    const QString count = QString::number(document.pageCount());
    EXPECT_EQ(pagesIn(text), 2);
    EXPECT_FALSE(text.contains(QStringLiteral("Page 1 of ") + count));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of ") + count));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 3 of ") + count));
    EXPECT_FALSE(text.contains(QStringLiteral("Page 4 of ") + count));
}

TEST_F(PdfTest, progress_counts_pages_and_a_cancel_leaves_the_old_file_alone)
{
    const ReportDocument document = sample::agingReport(200, 50);
    std::vector<int> reported;
    ExportProgress progress{.advanced = [&](int done, int total) {
                                EXPECT_EQ(total, document.pageCount());
                                reported.push_back(done);
                            },
                            .cancelRequested = {}};
    ASSERT_TRUE(exportPdf(document, path("report.pdf"), progress).ok());
    ASSERT_EQ(static_cast<int>(reported.size()), document.pageCount());
    EXPECT_EQ(reported.back(), document.pageCount());
    EXPECT_EQ(pagesIn(textOf(path("report.pdf"))), document.pageCount());

    const QByteArray before = [&] { QFile f(path("report.pdf")); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    progress.cancelRequested = [&reported] { return reported.size() >= 2; };
    reported.clear();
    EXPECT_EQ(exportPdf(document, path("report.pdf"), progress).status, OutputResult::Status::Cancelled);
    EXPECT_EQ(reported.size(), 2u);
    QFile after(path("report.pdf"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(PdfTest, a_file_that_cannot_be_written_is_reported_with_its_path)
{
    const QString unwritable = path("no/such/folder/report.pdf");
    const OutputResult result = exportPdf(invoicesOfCafe(), unwritable);
    EXPECT_EQ(result.status, OutputResult::Status::Failed);
    EXPECT_TRUE(result.message.contains(unwritable)) << result.message.toStdString();
}

TEST(PrintPreview, the_preview_shows_every_page_of_the_report)
{
    const ReportDocument document = sample::agingReport(200, 50);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer);
    connectPreview(dialog, document);
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_EQ(preview->pageCount(), document.pageCount());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Aged receivables"));
}

}  // namespace
}  // namespace orvant::report
