// Spreadsheet export: RFC 4180 quoting, UTF-8, the detail rows only.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "report/csv_export.h"
#include "report/screen_print.h"
#include "report/tests/sample_report.h"

namespace orvant::report {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

ReportDocument awkwardClients(bool exportGroupKey = false)
{
    ReportBuilder builder(sample::agingHeading(), sample::agingColumns());
    if (exportGroupKey) builder.exportGroupKeyAs(QStringLiteral("Province"));
    builder.beginGroup(QStringLiteral("Québec, 3 clients"), QStringLiteral("QC"));
    builder.addRow({QStringLiteral("Dubé, Frères & Cie"), QStringLiteral("5001"), Money::fromCents(123456), Money::fromCents(-2550)});
    builder.addRow({QStringLiteral("Le \"Petit\" Café"), QStringLiteral("5002"), Money::fromUnits(0)});
    builder.addRow({QStringLiteral("Épicerie à l'angle\nrue Saint-Jean")});
    builder.endGroup(QStringLiteral("Total Québec"));
    return builder.finish(QStringLiteral("Total"));
}

TEST(CsvExport, the_file_has_the_column_titles_then_each_detail_row_in_utf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clients.csv"));
    const ReportDocument document = awkwardClients();
    ASSERT_TRUE(exportCsv(document, path).ok());
    EXPECT_EQ(contentsOf(path),
              QStringLiteral("Client,Invoice,Current,Over 30 days\r\n"
                             "\"Dubé, Frères & Cie\",5001,1234.56,-25.50\r\n"
                             "\"Le \"\"Petit\"\" Café\",5002,0.00,\r\n"
                             "\"Épicerie à l'angle\nrue Saint-Jean\",,,\r\n")
                  .toUtf8());

    ASSERT_TRUE(exportCsv(document, path, CsvOptions{.columnTitles = false}).ok());
    EXPECT_TRUE(contentsOf(path).startsWith(QStringLiteral("\"Dubé, Frères & Cie\",").toUtf8()));

    // A row may need its group's key to be told apart from another group's.
    ASSERT_TRUE(exportCsv(awkwardClients(true), path).ok());
    EXPECT_TRUE(contentsOf(path).startsWith(QStringLiteral("Province,Client,Invoice,Current,Over 30 days\r\n"
                                                           "QC,\"Dubé, Frères & Cie\",5001,1234.56,-25.50\r\n").toUtf8()));
}

TEST(CsvExport, progress_reaches_every_row_and_a_cancel_keeps_the_old_file)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("aging.csv"));
    writeFile(path, "old");
    const ReportDocument document = sample::agingReport(1200, 100);

    std::pair<int, int> last{-1, -1};
    ExportProgress progress{.advanced = [&last](int done, int total) { last = {done, total}; },
                            .cancelRequested = [&last] { return last.first >= 500; }};
    EXPECT_EQ(exportCsv(document, path, {}, progress).status, OutputResult::Status::Cancelled);
    EXPECT_EQ(contentsOf(path), "old");

    progress.cancelRequested = {};
    ASSERT_TRUE(exportCsv(document, path, {}, progress).ok());
    EXPECT_EQ(last, std::make_pair(1200, 1200));
    EXPECT_EQ(contentsOf(path).count("\r\n"), 1201);
}

TEST(CsvExport, a_printed_screen_has_no_rows_to_export)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.csv"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    const OutputResult result = exportCsv(documentFromImage(image, QStringLiteral("Clients"), PageSetup::letter()), path);
    EXPECT_EQ(result.status, OutputResult::Status::Failed);
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace orvant::report
